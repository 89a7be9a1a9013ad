#include "game/shell/DisplayMode.h"

#include "game/shell/Game.h"

namespace zanbora {

// Stand-in until the display-mode library is wired in: no switch happens,
// so there is nothing to put back.
void SwitchToGameMode(Game& game) { game.display.FullScreen = 0; }

void RestoreDisplayMode(Game& game) {
    if (game.display.FullScreen != 1) return;
    game.display.FullScreen = 0;
}

}  // namespace zanbora
