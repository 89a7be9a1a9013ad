#include "game/flow/CommandLine.h"

#include <string_view>

namespace zanbora {

const char* GameVersion() { return ZANBORA_VERSION; }

static constexpr const char* kHelp = R"(Usage: zanbora [--help | --version]

ザンボラ戦記 (Zanbora Senki), a role-playing game of the bean folk.

Options:
  --help       show this help and end
  --version    show the version and end

Keys (the directions, decide, cancel and fast-forward can be changed in
settings.ini):
  arrow keys           walk; move the cursor in menus
  X, Space, Enter      decide; open the field menu
  Z, Escape, Shift     cancel; push a rock you stand on
  F (held)             fast-forward: the game runs four times as fast
  Alt+Enter            full screen on the whole desktop, or back
  F12                  screenshot (a PNG in screenshots/)
  Alt+F4               quit
A game pad walks with the d-pad or the left stick, decides with the lower
face button, cancels with the right one and fast-forwards with the right
shoulder button.

Environment:
  ZANBORA_DIR              read and write everything in this folder
  XDG_DATA_HOME            an installed game keeps saves, name.ini, clear
                           records and screenshots in $XDG_DATA_HOME/zanbora
                           (default ~/.local/share/zanbora)
  XDG_CONFIG_HOME          and settings.ini in $XDG_CONFIG_HOME/zanbora
                           (default ~/.config/zanbora)
  SDL_GAMECONTROLLERCONFIG describes a game pad SDL does not know

A game run from its build folder keeps all of these in that folder.
)";

std::optional<int> HandleCommandLine(int argc, const char* const* argv, std::ostream& out, std::ostream& err) {
    if (argc < 2) return std::nullopt;
    const std::string_view option = argv[1];
    if (argc == 2 && (option == "--version" || option == "-v")) {
        out << "zanbora " << GameVersion() << '\n';
        return 0;
    }
    if (argc == 2 && (option == "--help" || option == "-h")) {
        out << kHelp;
        return 0;
    }
    if (argc > 2)
        err << "zanbora: one option at most (try zanbora --help)\n";
    else
        err << "zanbora: unknown option " << option << " (try zanbora --help)\n";
    return 2;
}

}  // namespace zanbora
