#include <gtest/gtest.h>

#include "game/core/Frame.h"
#include "support/TestGame.h"

using namespace zanbora;
using zanbora::testing::TestGame;

TEST(Wait, EndsEachFrameMsAfterThePreviousOneAndAbsorbsDrawingTime) {
    TestGame t(false);
    Game& game = *t.game;
    game.clock.LastTick = t.platform.ticks();
    const int64_t start = game.clock.LastTick;
    Wait(game, 48);
    EXPECT_EQ(t.platform.ticks(), start + 48);
    // 30 ms of drawing inside the next frame: the wait only makes up the rest.
    t.platform.advance(30);
    Wait(game, 48);
    EXPECT_EQ(t.platform.ticks(), start + 96);
    EXPECT_EQ(game.clock.LastTick, start + 96);
}

TEST(Wait, AFrameThatRanLongReturnsAtOnceAndRestartsTheClockFromNow) {
    TestGame t(false);
    Game& game = *t.game;
    game.clock.LastTick = t.platform.ticks();
    t.platform.advance(200);
    const int64_t late = t.platform.ticks();
    Wait(game, 48);
    EXPECT_EQ(t.platform.ticks(), late);
    EXPECT_EQ(game.clock.LastTick, late);
}

TEST(Wait, KeyEventsArriveDuringTheWait) {
    TestGame t(false);
    Game& game = *t.game;
    game.clock.LastTick = t.platform.ticks();
    t.platform.keyDownAt(t.platform.ticks() + 20, 39);
    EXPECT_FALSE(game.keys.KeyState[2]);
    Wait(game, 48);
    EXPECT_TRUE(game.keys.KeyState[2]);
}

TEST(AnimPhase, RunsZeroOneTwoOneZero) {
    TestGame t(false);
    Game& game = *t.game;
    std::vector<int> phases{game.clock.AnimPhase};
    for (int i = 0; i < 8; ++i) {
        Wait(game, 10);
        phases.push_back(game.clock.AnimPhase);
    }
    EXPECT_EQ(phases, (std::vector<int>{0, 1, 2, 1, 0, 1, 2, 1, 0}));
}

TEST(WaitKey, ReturnsOnDecideOrActAndClearsBoth) {
    TestGame t(false);
    Game& game = *t.game;
    t.platform.keyDownAt(t.platform.ticks() + 500, 90);  // Z
    WaitKey(game);
    EXPECT_GE(t.platform.ticks(), 1500);
    EXPECT_FALSE(game.keys.KeyAct);
    EXPECT_FALSE(game.keys.KeyDecide);
}

TEST(ScreenWipe, TakesThirtyTwoFramesOfThirtyMsAndGrowsTheBandsTwoPixelsAStep) {
    TestGame t(false);
    Game& game = *t.game;
    game.Pic.setBackColour(0xFFFFFF);
    std::vector<Pixels> frames;
    t.platform.onPresent = [&](const Pixels& frame) { frames.push_back(frame); };
    const int64_t start = t.platform.ticks();
    ScreenWipe(game);
    ASSERT_EQ(frames.size(), 32u);
    EXPECT_EQ(t.platform.ticks() - start, 32 * 30);
    auto black = [](const Pixels& f, int x) { return f.at(x, 175) == 0; };
    // Step 0: only the first band, one pixel wide.
    EXPECT_TRUE(black(frames[0], 0));
    EXPECT_FALSE(black(frames[0], 1));
    EXPECT_FALSE(black(frames[0], 40));
    // Step 10: band 0 reaches x = 20; band 5 spans 200..205.
    EXPECT_TRUE(black(frames[10], 20));
    EXPECT_FALSE(black(frames[10], 21));
    EXPECT_TRUE(black(frames[10], 200));
    EXPECT_TRUE(black(frames[10], 205));
    EXPECT_FALSE(black(frames[10], 206));
    // Last step: band 15 spans 600..617, off the right edge; band 7 closes
    // up with band 8 (7 ends at 321, 8 starts at 320).
    EXPECT_TRUE(black(frames[31], 62));
    EXPECT_TRUE(black(frames[31], 320));
    EXPECT_TRUE(black(frames[31], 511 - 140));
}
