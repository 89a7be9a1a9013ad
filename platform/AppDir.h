#pragma once
// Where the game's files are, and how the game's own paths map onto them.
#include <string>

namespace zanbora {

// The folder of the running program, or $ZANBORA_DIR when set (tests use a
// temporary copy of the game folder so they never touch a real save).
std::string FindAppDir();

// The folders the game writes into.
struct UserDirs {
    std::string data;    // saves, name.ini, clear records, screenshots, the lock
    std::string config;  // settings.ini
};

// A file of this name in the game folder marks an installed game (the install
// puts it there; a build folder has none).
inline constexpr const char* kInstalledMark = "installed";

// Where the player's files go. A build folder is portable and keeps
// everything itself while it is writable; so does any folder $ZANBORA_DIR
// names. An installed game (or a build folder that may not be written) keeps
// the player's files in $XDG_DATA_HOME/zanbora (by default
// ~/.local/share/zanbora) and settings.ini in $XDG_CONFIG_HOME/zanbora (by
// default ~/.config/zanbora), whoever runs it, making them when missing.
// Says on stderr where the files go when it is not the game folder, and why
// a folder cannot be made (the first save then names the folder and the
// reason again).
UserDirs FindUserDirs(const std::string& appDir);

// Turns a game path such as "\wave\MEN02.WAV" into a path under appDir,
// finding each component whatever its case. When nothing matches, the path
// is returned with the components as written (so a missing file stays
// missing and the caller's error names it).
std::string ResolveGamePath(const std::string& appDir, const std::string& gamePath);

}  // namespace zanbora
