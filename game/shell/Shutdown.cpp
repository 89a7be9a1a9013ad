#include "game/shell/Shutdown.h"

#include "game/shell/DisplayMode.h"
#include "game/shell/Game.h"
#include "game/story/Music.h"

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
