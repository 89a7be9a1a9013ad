#pragma once
// What a good player weighs before a fight: how much HP an opponent costs
// with plain attacks, which ground is safe to train on, and which mascot
// helps most against a boss. Worked out from the numbers the status panel
// and the monster book show, never by drawing the game's random numbers.
#include <cstddef>

#include "game/core/Monster.h"
#include "game/core/Player.h"

namespace zanbora::playthrough {

// The mascot slots (MascotOwned, and Progress[16] - 1) of the skull, ROBO and
// the knight.
constexpr size_t kSkullSlot = 0, kRoboSlot = 1, kKnightSlot = 7;

// The jobs whose MP, not their blows, wins their fights.
bool IsCaster(const Player& hero);
// The caster with nothing but his magic (the necromancer has his bones).
bool IsMage(const Player& hero);
// The job that copies its opponents' strength.
bool IsDisguiser(const Player& hero);
// The job whose bombs, on the longest fuse, hit bosses harder than the
// sword, for a fraction of its MP.
bool IsBomber(const Player& hero);
// The jobs that fight bosses with plain blows and the sword, with no
// weapon of their own that hits harder.
bool FightsWithBlows(const Player& hero);
// A boss who heals himself once hurt.
bool HealsHimself(const Monster& boss);

// The expected number of turns the hero needs to beat `m` with plain
// attacks, and the HP he expects to lose meanwhile.
struct FightEstimate {
    double turns = 0;
    double hpLost = 0;
};
FightEstimate EstimateFight(const Player& hero, const Monster& m);

// Ground whose random opponents (the zone of rows y / 10) each cost the hero
// at most `share` of his HP; false for zones without opponents.
bool SafeToTrain(const Player& hero, int row, double share);

// Whether the disguise would leave the hero stronger: copying `opponent`
// must cut the worst share of his HP a fight costs by a tenth or more, for
// the opponents he meets where he stands (row `row`), or for a fixed
// opponent, that opponent alone. Never for the opponents the disguise cannot
// copy.
bool DisguiseBetter(const Player& hero, const Monster& opponent, int row);

// The mascot slot (0..9) that takes most of the boss's HP over the fight,
// among ROBO's laser and the knight's blows, for the mascots owned; -1 if
// neither is owned.
int StrongestBossMascot(const Player& hero, const Monster& boss);

}  // namespace zanbora::playthrough
