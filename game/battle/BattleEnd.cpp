// After every action: the hero's defeat (tested first) or the victory with
// its rewards and level-ups.
#include "game/battle/Battle.h"
#include "game/battle/BattleParts.h"
#include "game/battle/FixedOpponents.h"
#include "game/battle/LevelUp.h"
#include "game/core/Frame.h"
#include "game/core/Game.h"
#include "game/core/Music.h"

namespace zanbora {

namespace {


void Victory(Game& game) {
    Player& hero = game.player;
    const Monster& m = game.monster;
    game.battle.BattleMsg = "WIN";
    PlayBattleScene(game);
    hero.Money += m.Money;
    hero.Exp += m.Exp;
    hero.Wins += 1;
    const bool fanfare = hero.Exp > LevelThreshold(hero.Level) || m.Id == kBonusOpponentId;
    if (fanfare && !InQuietBattleArea(game)) ChangeMusic(game, "data4.mid");
    // The broken dragon rock is gone from the map.
    if (m.Id == kDragonRockId) game.map.setEvent(Int(hero.HeroX + 0.5), Int(hero.HeroY + 0.9), 0);
    RunLevelUps(game);
    game.GameState = "MOVE";
}

}  // namespace

void CheckBattleEnd(Game& game) {
    if (game.player.Hp <= 0) {
        ShowGameOver(game);
        game.GameState = "load";
    } else if (game.monster.Hp <= 0) {
        Victory(game);
    }
}

// A black curtain drawn across the screen line by line; decide skips it.
void ShowGameOver(Game& game) {
    for (int x = 0; x <= 512; ++x) {
        if (game.keys.KeyDecide) {
            game.keys.KeyDecide = false;
            break;
        }
        game.Pic.line(x, 0, x, 350, 0x000000);
        Present(game);
        Wait(game, 3);
    }
    game.Pic.fillRect(0, 0, 512, 350, 0x000000);
    Present(game);
}

}  // namespace zanbora
