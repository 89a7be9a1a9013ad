// The "BATTLE2" state of the main loop: a locked door, forced open by a
// hero whose level is greater than the door's strength.
#include "game/battle/Battle.h"
#include "game/core/Frame.h"
#include "game/core/Game.h"
#include "game/core/Music.h"
#include "game/core/Sheets.h"
#include "game/flow/MainLoop.h"

namespace zanbora {

static void DrawDoorMenu(Game& game) {
    game.Pic.clear();
    game.battle.resetOffsets();
    DrawBattleScene(game);
    game.Pic.rect(20, 20, 190, 90, QBColor(15));
    game.Pic.blt(30, 30 + 20 * Int(game.field.Cursor), 16, 16, game.sheets.chr_m, 0, 0);
    DrawText(game, "こじ開ける", 50, 30);
    DrawText(game, "あきらめる", 50, 50);
    Present(game);
}

bool DoorPrompt(Game& game) {
    double& cursor = game.field.Cursor;
    cursor = 0;
    do {
        DrawDoorMenu(game);
        Wait(game, 80);
        if (game.keys.KeyState[3] && cursor < 1) cursor += 1;
        if (game.keys.KeyState[1] && cursor > 0) cursor -= 1;
    } while (!game.keys.KeyDecide);
    game.keys.KeyDecide = game.keys.KeyAct = false;
    PlayMen03(game);

    if (cursor == 0) {
        if (game.player.Level > game.monster.Attack) {
            game.monster.Hp = 0;
            game.battle.SceneText = "開いた。";
        } else {
            game.battle.SceneText = "無理だ。";
            cursor = 1;
        }
        game.battle.BattleMsg = "ATACK3";
        PlayBattleScene(game);
    }
    if (cursor == 1) {
        game.battle.BattleMsg = "OUT2";
        PlayBattleScene(game);
        game.player.HeroY += game.field.Facing == 2 ? -1 : 1;
        game.GameState = "MOVE";
    } else {
        game.map.setEvent(Int(game.player.HeroX + 0.5), Int(game.player.HeroY + 0.9), 0);
        LoadIntoMonsC(game, "\\cg\\door2.jpg");
        game.battle.BattleMsg = "OUT3";
        PlayBattleScene(game);
        game.GameState = "MOVE";
    }
    game.battle.PartyFlag = 0;
    ChangeMusic(game, "data1.mid");
    ScreenWipe(game);
    game.Pic.removeBackground();
    return true;
}

}  // namespace zanbora
