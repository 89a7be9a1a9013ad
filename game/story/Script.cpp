#include "game/story/Script.h"

#include "game/shell/Frame.h"
#include "game/shell/Game.h"
#include "game/story/MessageWindow.h"

namespace zanbora {

void TypePage(Game& game, const Page& page) {
    ClearMessageBox(game);
    for (size_t i = 0; i < page.size() && i < 3; ++i) TypeText(game, page[i], 30, 290 + 20 * int(i));
}

void TypePages(Game& game, const Script& script) {
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
