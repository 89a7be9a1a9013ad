#include <gtest/gtest.h>

#include "game/core/Frame.h"
#include "game/core/GameClock.h"
#include "support/TestGame.h"

using namespace zanbora;
using zanbora::testing::TestGame;

TEST(GameClock, AtNormalSpeedItIsTheMachinesClock) {
    TestGame t(false);
    GameClock& clock = t.game->time;
    EXPECT_EQ(clock.now(), t.platform.ticks());
    t.platform.advance(123);
    EXPECT_EQ(clock.now(), t.platform.ticks());
    EXPECT_EQ(clock.realMsUntil(t.platform.ticks() + 30), 30);
}

TEST(GameClock, AFasterSpeedCountsOnlyTheTimeAfterItWasSet) {
    TestGame t(false);
    GameClock& clock = t.game->time;
    const int64_t start = clock.now();
    t.platform.advance(10);
    clock.setSpeed(4);  // the 10 ms before count once
    t.platform.advance(10);
    EXPECT_EQ(clock.now(), start + 10 + 40);
    clock.setSpeed(1);
    t.platform.advance(10);
    EXPECT_EQ(clock.now(), start + 10 + 40 + 10);
}

TEST(GameClock, TheRealWaitForAGameTimeIsRoundedUp) {
    TestGame t(false);
    GameClock& clock = t.game->time;
    clock.setSpeed(4);
    const int64_t start = clock.now();
    EXPECT_EQ(clock.realMsUntil(start + 30), 8);
    EXPECT_EQ(clock.realMsUntil(start + 32), 8);
    EXPECT_EQ(clock.realMsUntil(start + 33), 9);
    EXPECT_EQ(clock.realMsUntil(start), 0);
    EXPECT_LT(clock.realMsUntil(start - 4), 0);
}

TEST(GameClock, AReachedTimeHidesTheOvershootUntilRealTimeMovesOn) {
    TestGame t(false);
    GameClock& clock = t.game->time;
    clock.setSpeed(4);
    const int64_t start = clock.now();
    t.platform.advance(8);  // 32 game ms
    EXPECT_EQ(clock.reach(start + 30), start + 30);
    EXPECT_EQ(clock.now(), start + 30);
    // The hidden 2 ms are not lost: the next 30 ms take 7 real ms.
    EXPECT_EQ(clock.realMsUntil(start + 60), 7);
    t.platform.advance(1);
    EXPECT_EQ(clock.now(), start + 36);
}

TEST(GameClock, OnlyAnOvershootBelowOneRealMillisecondIsHidden) {
    TestGame t(false);
    GameClock& clock = t.game->time;
    clock.setSpeed(4);
    const int64_t start = clock.now();
    t.platform.advance(9);  // 36 game ms: the wait for 30 woke late
    EXPECT_EQ(clock.reach(start + 30), start + 36);
    // Nor does the clock go back for a time it has already shown.
    t.platform.advance(1);  // 40
    clock.now();
    EXPECT_EQ(clock.reach(start + 38), start + 40);
    EXPECT_EQ(clock.now(), start + 40);
}

namespace {

// The game times at which each of n frames of ms ends, and the real time
// they take together.
struct Frames {
    std::vector<int64_t> ends;
    int64_t realMs = 0;
};
Frames RunFrames(int speed, int n, int ms) {
    TestGame t(false);
    Game& game = *t.game;
    game.time.setSpeed(speed);
    const int64_t realStart = t.platform.ticks();
    game.clock.LastTick = game.now();
    Frames frames;
    for (int i = 0; i < n; ++i) {
        Wait(game, ms);
        frames.ends.push_back(game.clock.LastTick - realStart);
        EXPECT_EQ(game.now(), game.clock.LastTick) << "frame " << i;
    }
    frames.realMs = t.platform.ticks() - realStart;
    return frames;
}

}  // namespace

TEST(GameClock, FastFramesEndAtTheSameGameTimesInAQuarterOfTheRealTime) {
    for (int ms : {30, 35, 48, 1}) {
        const Frames normal = RunFrames(1, 100, ms);
        const Frames fast = RunFrames(4, 100, ms);
        EXPECT_EQ(fast.ends, normal.ends) << ms << " ms frames";
        EXPECT_EQ(normal.realMs, 100 * ms);
        EXPECT_GE(fast.realMs, normal.realMs / 4) << ms << " ms frames";
        EXPECT_LE(fast.realMs, normal.realMs / 4 + 1) << ms << " ms frames";
    }
}
