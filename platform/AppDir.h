#pragma once
// Where the game's files are, and how the game's own paths map onto them.
#include <string>

namespace zanbora {

// The folder of the running program, or $ZANBORA_DIR when set (tests use a
// temporary copy of the game folder so they never touch a real save).
std::string FindAppDir();

// Turns a game path such as "\wave\MEN02.WAV" into a path under appDir,
// finding each component whatever its case. When nothing matches, the path
// is returned with the components as written (so a missing file stays
// missing and the caller's error names it).
std::string ResolveGamePath(const std::string& appDir, const std::string& gamePath);

}  // namespace zanbora
