#include "game/core/Shutdown.h"

#include "game/core/DisplayMode.h"
#include "game/core/Game.h"
#include "game/core/Music.h"

namespace zanbora {

void Form_Unload(Game& game) {
    BgmCtl(game, 1);
    RestoreDisplayMode(game);
    throw ProgramEnd{0};
}

void EndProgram(Game& game, int status) {
    BgmCtl(game, 1);
    RestoreDisplayMode(game);
    throw ProgramEnd{status};
}

}  // namespace zanbora
