#pragma once
// The race of the bean folk's hall: two laps up the long track in the
// north-east of the world against the clock. X drives forward, Z backward,
// the arrows steer; a wall ahead throws the kart back.
#include <cstdint>
#include <string>

#include "game/story/Script.h"

namespace zanbora {

struct Game;

struct RaceState {
    double RaceSpeed = 0;  // rows per frame; negative is forward (north)
    int RaceLap = 0;       // 1, 2; 3 when the race is over
    int64_t RaceStart = 0;
    int64_t RaceTime = 0;
};

constexpr double kRaceStartX = 114, kRaceStartY = 487;
constexpr double kRaceFinishRow = 48;

// "m:s:ms" without leading zeros (65030 reads "1:5:30").
std::string RaceTimeText(int64_t ms);
// Experience for a race: more the faster and the higher the level; 20 for
// anything slower than three minutes.
double RaceReward(double level, int64_t raceTime);
// One move of the kart by (StepX, StepY) when the cell there can be driven
// on; Moved = 1 when it moved.
void RaceStep(Game& game);
// One frame of the race (position held as stored, not as the foot point).
// False once the second lap is over.
bool RaceFrame(Game& game, RaceState& race);
// The countdown, the race and the return to where the hero stood.
void RunRace(Game& game, RaceState& race);
// After the race: the best time kept, the page of this time, the best time
// and the experience won, then the experience and any levels it brings.
void RaceResult(Game& game, int64_t raceTime);
// The three lines of that page.
Page RaceResultPage(int64_t raceTime, int64_t bestTime, double reward);

}  // namespace zanbora
