// The "BATTLE" state of the main loop: the command menu and one turn.
#include <string>

#include "game/battle/Battle.h"
#include "game/battle/MonsterTable.h"
#include "game/core/Frame.h"
#include "game/core/Game.h"
#include "game/core/Music.h"
#include "game/core/StartPlaying.h"
#include "game/core/TechniqueNames.h"
#include "game/flow/MainLoop.h"
#include "game/party/TechniqueScreen.h"
#include "game/view/StatusPanel.h"

namespace zanbora {

namespace {

bool TechniqueChangeOffered(const Game& game) { return game.player.Progress[7] == 0; }

void DrawCommandMenu(Game& game) {
    Surface& pic = game.Pic;
    pic.clear();
    game.battle.resetOffsets();
    DrawBattleScene(game);
    pic.rect(20, 20, 200, 120, QBColor(15));
    pic.blt(30, 30 + 20 * Int(game.field.Cursor), 16, 16, game.sheets.chr_m, 0, 0);
    DrawText(game, "通常攻撃", 50, 30);
    DrawText(game, "特殊攻撃", 50, 50);
    DrawText(game, "逃走", 50, 90);
    if (TechniqueChangeOffered(game)) DrawText(game, "特殊攻撃の変更", 50, 70);
    DrawBattleBar(game);
    DrawMonsterGauge(game);
    if (game.player.Progress[16] == 6) {
        DrawText(game, std::to_string(Int(game.monster.Hp)) + "/" + std::to_string(Int(game.monster.MaxHp)), 90, 130);
    }
    if (game.player.Progress[16] == 8) DrawMonsterName(game);
    Present(game);
}

// The command menu until decide; the cursor moves one entry per frame.
void ChooseCommand(Game& game) {
    double& cursor = game.field.Cursor;
    do {
        DrawCommandMenu(game);
        Wait(game, 80);
        if (game.keys.KeyState[3] && cursor < 3) cursor += 1;
        if (game.keys.KeyState[1] && cursor > 0) cursor -= 1;
    } while (!game.keys.KeyDecide);
    game.keys.KeyDecide = false;
    game.battle.resetOffsets();
    PlayMen03(game);
}

bool BattleOver(const Game& game) { return game.GameState != "BATTLE" || game.monster.Hp <= 0; }

// Flight also ends the turn: from an ordinary opponent it ends the battle,
// from a boss it does nothing and the menu returns with the boss untouched.
bool TurnStopped(const Game& game) { return BattleOver(game) || game.field.Cursor == 3; }

// An opponent that wins the speed roll strikes before the hero's command,
// flight included; the hero then acts unless that blow ended the battle.
void HeroThenEnemy(Game& game, bool heroFirst) {
    if (heroFirst) {
        HeroAction(game);
        CheckBattleEnd(game);
        if (TurnStopped(game)) return;
        EnemyAction(game);
        CheckBattleEnd(game);
    } else {
        EnemyAction(game);
        CheckBattleEnd(game);
        if (BattleOver(game)) return;
        HeroAction(game);
        CheckBattleEnd(game);
    }
}

void AfterTurn(Game& game) {
    if (game.GameState == "BATTLE" && game.battle.PartyFlag == 1 && game.monster.Hp > 0) {
        PartyTurn(game);
        CheckBattleEnd(game);
    }
    if (game.GameState == "BATTLE" && game.player.Progress[16] > 0 && game.battle.TurnCount < 20) {
        MascotAction(game);
        CheckBattleEnd(game);
    }
    game.battle.TurnCount += 1;
}

bool TownsfolkEscape(Game& game) {
    Player& hero = game.player;
    const double cost = TechniqueMpNeeded(hero, 5);
    if (hero.Job != "町民" || hero.Skill != 5 || hero.Mp < cost || game.monster.Id >= 900) return false;
    hero.Mp -= cost;
    game.battle.BattleMsg = "OUT";
    PlayBattleScene(game);
    game.GameState = "MOVE";
    return true;
}

}  // namespace

bool BattleTurn(Game& game) {
    OpenBattleMenu(game);
    ChooseCommand(game);
    CloseBattleMenu(game);
    const int entry = Int(game.field.Cursor);
    bool turnStopped = false;
    if (entry == 2) {
        if (!TechniqueChangeOffered(game)) return false;
        game.field.Cursor = game.player.Skill;
        WzS(game);
        if (game.player.Progress[16] == 5) return false;
        if (game.battle.SkillChanged != 1) {
            game.field.Cursor = 0;
            return false;
        }
        EnemyAction(game);
        CheckBattleEnd(game);
        turnStopped = BattleOver(game);
    } else if (entry == 1 && TownsfolkEscape(game)) {
        AfterBattle(game);
        return true;
    } else {
        game.Pic.clear();
        DrawBattleScene(game);
        Present(game);
        Wait(game, 1);
        double r1 = game.Rnd(), r2 = game.Rnd();
        HeroThenEnemy(game, game.player.Speed * r1 > game.monster.Speed * r2);
        turnStopped = TurnStopped(game);
    }
    if (!turnStopped) AfterTurn(game);
    if (game.GameState == "load") {
        PPPN(game);
        ChangeMusic(game, "data1.mid");
        return true;
    }
    if (game.GameState == "BATTLE") return false;
    AfterBattle(game);
    return true;
}

}  // namespace zanbora
