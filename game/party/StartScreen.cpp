#include "game/party/StartScreen.h"

#include "game/field/MapLayers.h"
#include "game/party/NameFile.h"
#include "game/party/Player.h"
#include "game/shell/Game.h"
#include "game/shell/MainLoop.h"
#include "platform/AppDir.h"

namespace zanbora {

// Stand-in until the save slots are built: goes straight on with a new hero.
void ShowStartScreen(Game& game) { PPPN(game); }

// Stand-in until saves exist: every start, and every reload after a defeat,
// begins a new hero with the item list applied.
void PPPN(Game& game) {
    game.player.Name = game.start.Text1;
    game.keys.KeyDecide = false;
    if (game.start.Text1.empty()) return;
    game.clock.DrawSkip = game.start.check1;
    game.player.PlayClock = game.now();
    WriteNameFile(ResolveGamePath(game.UserDir, "\\name.ini"), {game.start.Text1, game.start.check1});
    game.Pic.removeBackground();
    SetNewHeroDefaults(game.player);
    ApplyItemList(ResolveGamePath(game.AppDir, "\\items.lst"), game.map);
    game.map.setEvent(80, 475, 25);
    if (game.GameState == "load") {
        game.GameState = "MOVE";
        return;
    }
    man(game);
}

}  // namespace zanbora
