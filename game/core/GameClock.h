#pragma once
// The game's own time. It runs with the machine's clock, or a whole number
// of times as fast while the player fast-forwards. Every wait, animation,
// random seed, play time and race clock reads it, so a fast-forwarded game
// sees exactly the times it would have seen at normal speed: only the real
// time between them is shorter.
#include <cstdint>

#include "platform/Platform.h"

namespace zanbora {

class GameClock {
public:
    // Game time starts at the machine's time.
    explicit GameClock(Platform& platform);

    // Game time in milliseconds; never goes backwards.
    int64_t now();
    // Real milliseconds until game time reaches `gameMs`, rounded up; 0 or
    // less when it has.
    int64_t realMsUntil(int64_t gameMs);
    // A wait for `gameMs` has ended. The machine's clock counts whole real
    // milliseconds, so a fast game overshoots by up to speed - 1 game
    // milliseconds; that part stays unseen until real time moves on, and the
    // game reads `gameMs` exactly as it would have at normal speed. Returns
    // the game time as now() would.
    int64_t reach(int64_t gameMs);

    // Game milliseconds per real millisecond from now on.
    void setSpeed(int speed);
    int speed() const { return speed_; }

private:
    // Folds the real time since the last reading into game time.
    void follow();

    Platform& platform_;
    int64_t real_;       // the machine's time at the last reading
    int64_t game_;       // game time at the last reading
    int64_t unseen_ = 0; // the end of game_ that now() does not show yet
    int64_t shown_;      // the last time the game was told
    int speed_ = 1;
};

}  // namespace zanbora
