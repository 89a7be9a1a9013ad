#include "Tactics.h"

#include <algorithm>
#include <vector>

#include "game/battle/Disguise.h"
#include "game/battle/FixedOpponents.h"
#include "game/battle/MonsterTable.h"
#include "game/core/Game.h"

namespace zanbora::playthrough {

namespace {

// The turns mascots act for.
constexpr int kMascotTurns = 20;
// The special move of an opponent who heals himself, then strikes.
constexpr int kHealingSpecial = 3;

// The chance that a blow lands, for the striker's speed against the
// defender's: it misses one time in (k + 2), k = speed − other speed / 2.
double HitChance(double speed, double otherSpeed) {
    const double k = std::max(0.0, speed - otherSpeed / 2);
    return 1.0 - 1.0 / (Int(k) + 2);
}

// The average of an opponent's strongest move against the hero: its normal
// attack, or the special it uses more and more as the fight goes on.
double OpponentBlow(const Player& hero, const Monster& m) {
    const double fallback = Int(hero.Level / 5) + 3;
    const auto spread = [&](double base) { return 0.75 * (base <= 2 ? fallback : base); };
    const double normal = spread(m.Attack - hero.Defence) * HitChance(m.Speed, hero.Speed);
    switch (m.Special) {
        case 1: return std::max(normal, (hero.Level + m.Attack) / 2);
        case 2: return std::max(normal, spread(1.5 * m.Attack - hero.Defence / 5));
        case 4: return std::max(normal, std::max(fallback, 85 - hero.Defence / 10));
        case 5: return std::max(normal, double(Int(hero.MaxHp / 10)));
        case 6: return std::max(normal, spread(1.8 * m.Attack - hero.Defence / 2));
        default: return normal;
    }
}

// The largest share of his HP the hero loses to any of `opponents`.
double WorstShare(const Player& hero, const std::vector<Monster>& opponents) {
    double worst = 0;
    for (const Monster& m : opponents) worst = std::max(worst, EstimateFight(hero, m).hpLost / hero.MaxHp);
    return worst;
}

}  // namespace

bool IsCaster(const Player& hero) { return IsMage(hero) || hero.Job == "ネクロマンサー"; }

bool IsMage(const Player& hero) { return hero.Job == "魔法使"; }

bool IsDisguiser(const Player& hero) { return hero.Job == "マメじゃないヤツ"; }

bool IsBomber(const Player& hero) { return hero.Job == "爆弾兵"; }

bool FightsWithBlows(const Player& hero) {
    return !IsCaster(hero) && !IsDisguiser(hero) && !IsBomber(hero) && hero.Job != "勇者マメ";
}

bool HealsHimself(const Monster& boss) { return boss.Special == kHealingSpecial; }

FightEstimate EstimateFight(const Player& hero, const Monster& m) {
    double base = hero.Attack - m.Defence;
    if (base <= 2) base = Int(hero.Level / 10) + 3;
    const double blow = (Int(hero.Level / 10) + 0.75 * base) * HitChance(hero.Speed, m.Speed);
    FightEstimate estimate;
    // An opponent that heals itself lasts about a third longer.
    estimate.turns = std::max(1.0, m.MaxHp / std::max(blow, 1.0)) * (m.Special == 3 ? 1.3 : 1.0);
    estimate.hpLost = estimate.turns * OpponentBlow(hero, m);
    return estimate;
}

bool SafeToTrain(const Player& hero, int row, double share) {
    const auto kinds = ZoneOpponents(row / 10);
    if (!kinds) return false;
    return std::all_of(kinds->begin(), kinds->end(),
                       [&](const Monster& m) { return EstimateFight(hero, m).hpLost <= share * hero.MaxHp; });
}

bool DisguiseBetter(const Player& hero, const Monster& opponent, int row) {
    if (!CanBeCopied(opponent)) return false;
    std::vector<Monster> yardstick{opponent};
    if (opponent.Id < kDragonRockId) {
        if (const auto kinds = ZoneOpponents(row / 10)) yardstick.assign(kinds->begin(), kinds->end());
    }
    Player copy = hero;
    CopyOpponentStrength(copy, opponent);
    return WorstShare(copy, yardstick) < 0.9 * WorstShare(hero, yardstick);
}

int StrongestBossMascot(const Player& hero, const Monster& boss) {
    const int turns = std::min(kMascotTurns, int(EstimateFight(hero, boss).turns) + 1);
    double laser = 0, blows = 0;
    for (int turn = 0; turn < turns; ++turn) {
        laser += 1 + Int(boss.MaxHp / (30 + 2 * turn));
        double base = 3 * hero.Level - boss.Defence - turn;
        if (base <= 2) base = Int(hero.Level / 10) + 3;
        blows += 0.6 * base;
    }
    const bool robo = hero.MascotOwned[kRoboSlot] != 0, knight = hero.MascotOwned[kKnightSlot] != 0;
    if (knight && (!robo || blows > laser)) return int(kKnightSlot);
    return robo ? int(kRoboSlot) : -1;
}

}  // namespace zanbora::playthrough
