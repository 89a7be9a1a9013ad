#include "game/story/Script.h"

#include "game/core/Frame.h"
#include "game/core/Game.h"
#include "game/view/MessageWindow.h"

namespace zanbora {

void SayScript(Game& game, const Script& script) {
    for (size_t i = 0; i < script.size(); ++i) {
        if (i > 0) BreakPage(game);
        TypePage(game, script[i]);
    }
}

void ClosePage(Game& game) {
    Present(game);
    WaitKey(game);
}

void BreakPage(Game& game) {
    ClosePage(game);
    ClearMessageBox(game);
}

}  // namespace zanbora
