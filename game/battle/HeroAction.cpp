// The hero's turn: the command chosen in the menu.
#include "game/battle/Battle.h"
#include "game/battle/Techniques.h"
#include "game/core/Game.h"

namespace zanbora {

namespace {

void HeroNormalAttack(Game& game) {
    const Player& hero = game.player;
    Monster& m = game.monster;
    BattleState& b = game.battle;
    double base = hero.Attack - m.Defence;
    if (base <= 2) base = Int(hero.Level / 10) + 3;
    b.BattleAmount = Int(hero.Level / 10) + Int(0.5 * base) + Int(0.5 * base * game.Rnd());
    double k = hero.Speed - m.Speed / 2;
    if (k < 0) k = 0;
    if (Int(game.Rnd() * (k + 2)) == 0) b.BattleAmount = 0;
    m.Hp -= b.BattleAmount;
    b.BattleMsg = "ATACK";
    PlayBattleScene(game);
    DrawBattleScene(game);
}

// Bosses cannot be fled from: the turn passes and the battle goes on.
void Flee(Game& game) {
    if (game.monster.Id >= 900) return;
    game.clock.LastTick = game.now();
    game.battle.BattleMsg = "OUT";
    PlayBattleScene(game);
    game.GameState = "MOVE";
}

}  // namespace

void HeroAction(Game& game) {
    game.battle.MascotDx = game.battle.MascotDy = 0;
    switch (Int(game.field.Cursor)) {
        case 0: HeroNormalAttack(game); break;
        case 1: UseTechnique(game); break;
        case 3: Flee(game); break;
        default: break;
    }
}

}  // namespace zanbora
