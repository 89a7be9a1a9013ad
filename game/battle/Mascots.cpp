// What the active mascot and the called companions do at the end of a turn.
// Mascots weaken as the battle drags on: their divisors grow with the turn.
#include <algorithm>

#include "game/battle/Battle.h"
#include "game/core/Game.h"

namespace zanbora {

namespace {

void Show(Game& game, const char* scene, double amount) {
    game.battle.BattleAmount = amount;
    game.battle.BattleMsg = scene;
    PlayBattleScene(game);
    DrawBattleScene(game);
}

// The scene shows the whole heal; the stat is capped afterwards.
void HealHp(Game& game, const char* scene, double amount) {
    Player& hero = game.player;
    hero.Hp += amount;
    Show(game, scene, amount);
    hero.Hp = std::min(hero.Hp, hero.MaxHp);
}

void HealMp(Game& game, const char* scene, double amount) {
    Player& hero = game.player;
    hero.Mp += amount;
    Show(game, scene, amount);
    hero.Mp = std::min(hero.Mp, hero.MaxMp);
}

void HurtOpponent(Game& game, const char* scene, double amount) {
    game.monster.Hp -= amount;
    Show(game, scene, amount);
}

}  // namespace

void MascotAction(Game& game) {
    Player& hero = game.player;
    const Monster& m = game.monster;
    const double turn = game.battle.TurnCount;
    switch (Int(hero.Progress[16])) {
        case 1: HealHp(game, "MASU1", 1 + Int(hero.MaxHp / (20 + 3 * turn))); break;
        case 2: HurtOpponent(game, "MASU2", 1 + Int(m.MaxHp / (30 + 2 * turn))); break;
        case 4: {
            double d = Int(m.MaxHp / 10) + 1;
            if (Int(game.Rnd() * (Int(turn / 2) + 3)) != 0) d = 1;
            HurtOpponent(game, "MASU4", d);
            break;
        }
        case 7: HealMp(game, "MASU3", 1 + Int(hero.MaxMp / (50 + 2 * turn))); break;
        case 8: {
            double base = 3 * hero.Level - m.Defence - turn;
            if (base <= 2) base = Int(hero.Level / 10) + 3;
            const double amount = Int(0.3 * base) + Int(0.6 * base * game.Rnd());
            game.clock.LastTick = game.now();
            HurtOpponent(game, "MASU8", amount);
            break;
        }
        case 10:
            HealHp(game, "LIFE4", 3 + Int(hero.MaxHp / (30 + 6 * turn)));
            game.clock.LastTick = game.now();
            HealMp(game, "LIFE3", 3 + Int(hero.MaxMp / (30 + 6 * turn)));
            break;
        default: break;  // the others help without acting
    }
}

void PartyTurn(Game& game) {
    Player& hero = game.player;
    const Monster& m = game.monster;
    switch (Int(3 * game.Rnd())) {
        case 0:
            HurtOpponent(game, "KIRI2",
                         Int(hero.Attack / 10 + hero.Progress[4] + 1 + Int(hero.Attack * game.Rnd() / 10)));
            break;
        case 1: {
            const double level = hero.Progress[2] + 1;
            HurtOpponent(game, "FIRE2",
                         Int(3 * level * m.Resist[1]) + Int(hero.MaxMp * game.Rnd() * level / 20));
            break;
        }
        default:
            HealHp(game, "LIFE", hero.Progress[1] * (10 + Int(game.Rnd() * (5 + hero.MaxMp / 20))));
            break;
    }
}

}  // namespace zanbora
