// What follows a battle that was won or fled.
#include "game/battle/Battle.h"
#include "game/battle/FixedOpponents.h"
#include "game/battle/Techniques.h"
#include "game/core/Frame.h"
#include "game/core/Game.h"
#include "game/core/Music.h"
#include "game/core/Sheets.h"
#include "game/flow/MainLoop.h"
#include "game/story/Ending.h"

namespace zanbora {

namespace {

// The guardian of a broken dragon rock attacks at once, without an opening.
void StartRockGuardian(Game& game, const char* picture, double maxHp, double attack, double defence, double speed) {
    Monster& m = game.monster;
    m.Id = 980;
    m.Picture = picture;
    m.MaxHp = maxHp;
    m.Hp = 300;
    m.Attack = attack;
    m.Defence = defence;
    m.Speed = speed;
    m.Exp = 52;
    m.Money = 27;
    m.Special = 3;
    m.Resist[1] = 0.6;
    LoadIntoMonsC(game, std::string("\\cg\\") + picture + ".bmp");
    game.battle.BattleMsg = "mamezo";
    PlayBattleScene(game);
    game.GameState = "BATTLE";
}

void GuardianSpeaks(Game& game, const char* words, int ms) {
    game.clock.LastTick = game.now();
    DrawText(game, words, 50, 220);
    Present(game);
    Wait(game, ms);
}

bool InQuietArea(const Game& game) {
    double x = game.player.HeroX, y = game.player.HeroY;
    return (y > 380 && y < 460) || (x < 43 && y > 380);
}

}  // namespace

void AfterBattle(Game& game) {
    const int row = Int(game.player.HeroY + 0.9);
    const bool rockBroken = game.monster.Hp <= 0 && game.monster.Id == kDragonRockId;
    if (rockBroken && row == 108) {
        GuardianSpeaks(game, "よくもドラゴン岩を壊しおったな。", 1500);
        StartRockGuardian(game, "mons10", 90, 55, 30, 25);
    } else if (rockBroken && row == 172) {
        GuardianSpeaks(game, "またドラゴン岩を壊しおったな。", 1000);
        GuardianSpeaks(game, "前のようにはいかんぞ！", 1500);
        StartRockGuardian(game, "mons20", 150, 65, 35, 35);
    }
    if (game.battle.PartyFlag == 2 && game.monster.Hp <= 0) RitualFeast(game);
    Present(game);
    if (game.GameState == "MOVE" && game.monster.Id == 990) EndingScene(game);
    if (game.GameState == "MOVE" && !InQuietArea(game)) ChangeMusic(game, "data1.mid");
    if (game.GameState == "MOVE") {
        game.battle.PartyFlag = 0;
        ScreenWipe(game);
        game.Pic.removeBackground();
        // Fled from a dragon rock that still stands: step back off its cell.
        if (game.monster.Id == kDragonRockId && game.monster.Hp > 0) game.player.HeroY -= 1;
    }
}

}  // namespace zanbora
