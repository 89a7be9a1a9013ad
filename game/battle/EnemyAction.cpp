// The opponent's turn: its normal attack or, more and more likely as the
// battle goes on, its special kind; and how a blow lands on the hero.
#include "game/battle/Battle.h"
#include "game/battle/FixedOpponents.h"
#include "game/core/Game.h"

namespace zanbora {

namespace {

// Results of 2 or less become the level's minimum.
double WithFallback(const Game& game, double base) { return base <= 2 ? Int(game.player.Level / 5) + 3 : base; }

// True when the opponent misses: one chance in k + 2, k being how much faster
// it is than half the hero.
bool OpponentMisses(Game& game, double k) {
    if (k < 0) k = 0;
    return Int(game.Rnd() * (k + 2)) == 0;
}

void ShowEnemyScene(Game& game, const char* scene, bool restartClock = false) {
    game.battle.BattleMsg = scene;
    ApplyEnemyHit(game);
    if (restartClock) game.clock.LastTick = game.now();
    PlayBattleScene(game);
    DrawBattleScene(game);
}

// Fighting with the fighting race's technique makes the hero stronger.
void FightingRaceGrowth(Game& game, bool capped) {
    Player& hero = game.player;
    if (Int(7 * game.Rnd()) != 0 || hero.Progress[7] != 1) return;
    hero.Attack += 1;
    if (capped && hero.Attack >= 8 * hero.Level) hero.Attack = 8 * hero.Level;
}

void OpponentNormalAttack(Game& game) {
    const Player& hero = game.player;
    const Monster& m = game.monster;
    const double base = WithFallback(game, m.Attack - hero.Defence);
    double amount = Int(0.5 * base) + Int(0.5 * base * game.Rnd());
    if (OpponentMisses(game, m.Speed - hero.Speed / 2)) amount = 0;
    game.battle.BattleAmount = amount;
    ShowEnemyScene(game, "atack");
    FightingRaceGrowth(game, true);
}

// Kind 3: heals itself below full HP, then a weak blow.
void HealThenStrike(Game& game) {
    Monster& m = game.monster;
    const Player& hero = game.player;
    BattleState& b = game.battle;
    const double heal = Int(0.1 * m.MaxHp) + Int(0.1 * game.Rnd() * m.MaxHp);
    m.Hp += heal;
    b.BattleAmount = heal;
    b.BattleMsg = "life";
    PlayBattleScene(game);
    DrawBattleScene(game);

    double base = m.Attack - hero.Defence;
    if (base <= 2) base = 3;
    double amount = Int(0.2 * base) + Int(0.4 * base * game.Rnd());
    if (OpponentMisses(game, m.Speed > hero.Speed ? m.Speed - hero.Speed / 2 : 0)) amount = 0;
    b.BattleAmount = amount;
    ShowEnemyScene(game, "atack");
    FightingRaceGrowth(game, false);
}

void SpecialAttack(Game& game) {
    const Player& hero = game.player;
    const Monster& m = game.monster;
    BattleState& b = game.battle;
    switch (m.Special) {
        case 1:
            b.BattleAmount = Int((hero.Level + m.Attack) * game.Rnd());
            ShowEnemyScene(game, "tako", true);
            break;
        case 2: {
            const double base = WithFallback(game, 1.5 * m.Attack - hero.Defence / 5);
            b.BattleAmount = Int(base / 2) + Int(base * game.Rnd() / 2);
            ShowEnemyScene(game, "ton", true);
            break;
        }
        case 3:
            if (m.Hp >= m.MaxHp) {
                OpponentNormalAttack(game);
            } else {
                HealThenStrike(game);
            }
            break;
        case 4:
            b.BattleAmount = WithFallback(game, Int(45 + Int(80 * game.Rnd()) - hero.Defence / 10));
            ShowEnemyScene(game, "hebi");
            break;
        case 5:
            // The jump lands before its scene is named, so no opponent's own
            // scene replaces it.
            b.BattleAmount = Int(hero.MaxHp / 10);
            ApplyEnemyHit(game);
            b.BattleMsg = "jump";
            PlayBattleScene(game);
            DrawBattleScene(game);
            break;
        case 6: {
            const double base = WithFallback(game, 1.8 * m.Attack - hero.Defence / 2);
            b.BattleAmount = Int(base / 2) + Int(base * game.Rnd() / 2);
            ShowEnemyScene(game, "robo2", true);
            break;
        }
        case 7:
            b.BattleAmount = WithFallback(
                game, Int(0.7 * m.Attack - hero.MaxMp / 5) + Int(0.3 * m.Attack * game.Rnd() - hero.MaxMp / 5));
            ShowEnemyScene(game, "suika");
            break;
        default:
            OpponentNormalAttack(game);
            break;
    }
}

}  // namespace

void EnemyAction(Game& game) {
    if (game.monster.Id == kDragonRockId) return;
    game.battle.MascotDx = game.battle.MascotDy = 0;
    const int c = Int(game.battle.TurnCount + 8 * game.Rnd());
    if (c < 5 || game.monster.Special == 0) {
        OpponentNormalAttack(game);
    } else {
        SpecialAttack(game);
    }
}

void ApplyEnemyHit(Game& game) {
    BattleState& b = game.battle;
    Player& hero = game.player;
    switch (game.monster.Id) {
        case 10: b.BattleMsg = "kuri"; break;
        case 1:
        case 13: b.BattleMsg = "hone"; break;
        case 11: b.BattleMsg = "hebi"; break;
        case 9:
        case 2: b.BattleMsg = "kni"; break;
        default: break;
    }
    if (hero.Progress[16] == 3 && hero.Mp > 0) {
        // The plant mascot takes the blow on the hero's MP; what the MP
        // cannot hold is lost.
        b.HeroDx = 40;
        b.MascotDx = -40;
        hero.Mp -= b.BattleAmount;
        if (hero.Mp < 0) hero.Mp = 0;
    } else {
        hero.Hp -= b.BattleAmount;
    }
}

}  // namespace zanbora
