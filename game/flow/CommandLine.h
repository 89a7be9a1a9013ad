#pragma once
// The few things the program answers on the command line before any window
// opens: its version and a short help.
#include <optional>
#include <ostream>

namespace zanbora {

// The game's version, as the package and the desktop metadata carry it.
const char* GameVersion();

// Handles --version and --help (written to `out`) and refuses anything else
// (a line on `err`). Returns the exit status when the program should end
// here, nothing when the game should start.
std::optional<int> HandleCommandLine(int argc, const char* const* argv, std::ostream& out, std::ostream& err);

}  // namespace zanbora
