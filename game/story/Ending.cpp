#include "game/story/Ending.h"

#include "game/core/Frame.h"
#include "game/core/Game.h"
#include "game/core/Music.h"
#include "game/story/Credits.h"
#include "game/story/StoryLines.h"
#include "game/view/FieldView.h"
#include "game/view/MessageWindow.h"
#include "game/view/StatusPanel.h"

namespace zanbora {

void EndingScene(Game& game) {
    game.Pic.clear();
    DrawHero(game);
    DrawStatusPanel(game);
    ClearMessageBox(game);
    BgmCtl(game, 1);
    for (const Page& page : scene::kEndingSpeech) {
        TypePage(game, page);
        BreakPage(game);
    }
    PlaySe(game, "\\wave\\MEN10.WAV");
    const int skip = game.clock.DrawSkip;
    for (int i = 0; i <= 255; i += 4 * skip) {
        game.Pic.setBackColour(Rgb(i, i, i));
        DrawHeroLight(game);
        DrawStatusPanel(game);
        Present(game);
        Wait(game, 50 * skip);
    }
    ChangeMusic(game, "data7.mid");
    for (int i = 255; i >= 0; i -= 8 * skip) {
        game.Pic.setBackColour(Rgb(i, i, i / 2 + 120));
        Present(game);
        Wait(game, 50 * skip);
    }
    game.Pic.setBackColour(Rgb(0, 0, 120));
    RollCredits(game);
}

}  // namespace zanbora
