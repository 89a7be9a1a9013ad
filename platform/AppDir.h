#pragma once
// Where the game's files are, and how the game's own paths map onto them.
#include <string>

namespace zanbora {

// The folder of the running program, or $ZANBORA_DIR when set (tests use a
// temporary copy of the game folder so they never touch a real save).
std::string FindAppDir();

// The folder the game writes into: saves, name.ini, settings.ini,
// screenshots and clear records. It is the game folder when $ZANBORA_DIR
// names it or when the game folder is writable; an installed game, whose
// folder is not, writes into $XDG_DATA_HOME/zanbora (by default
// ~/.local/share/zanbora), made when missing. Says on stderr where the files
// go when it is not the game folder, and why when no folder can be made.
std::string FindUserDir(const std::string& appDir);

// Turns a game path such as "\wave\MEN02.WAV" into a path under appDir,
// finding each component whatever its case. When nothing matches, the path
// is returned with the components as written (so a missing file stays
// missing and the caller's error names it).
std::string ResolveGamePath(const std::string& appDir, const std::string& gamePath);

}  // namespace zanbora
