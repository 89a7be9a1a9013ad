// The feast after a victory won with the ritual: the hero eats the fallen
// opponent, and what it was made of decides the outcome.
#include "game/battle/BattleParts.h"
#include "game/battle/Techniques.h"
#include "game/core/Frame.h"
#include "game/core/Game.h"
#include "game/core/Shutdown.h"

namespace zanbora {

namespace {

void Say(Game& game, const char* words, int ms) {
    DrawText(game, words, 170, 150);
    Present(game);
    Wait(game, ms);
}

}  // namespace

void RitualFeast(Game& game) {
    Player& hero = game.player;
    BattleState& b = game.battle;
    for (int i = 1; i <= 16; ++i) {
        game.Pic.clear();
        b.HeroDx = -i * i;
        DrawBattleHero(game);
        game.Pic.blt(kOpponentX, kOpponentY, 100, 100, game.sheets.mons_c, 0, 0, Rop::Or);
        Present(game);
        Wait(game, 40);
    }
    game.clock.LastTick = game.now();
    switch (Int(6 * game.Rnd())) {
        case 1:
            Say(game, "うまい！力が付きそうだ。", 1000);
            hero.Attack += 1;
            break;
        case 2:
            Say(game, "中に金が入ってた。", 1000);
            hero.Money += game.monster.Money;
            break;
        case 3:
            Say(game, "でりしゃーす。", 1000);
            hero.Exp += game.monster.Exp;
            break;
        case 4:
            Say(game, "まずい、力が抜ける。", 1000);
            hero.Attack -= 1;
            if (hero.Attack < 5) hero.Attack = 5;
            break;
        default:
            // Food poisoning ends the whole game; nothing is saved.
            Say(game, "まずい！食中毒で死んだ。", 1500);
            EndProgram(game, 0);
    }
    b.HeroDx = 0;
}

}  // namespace zanbora
