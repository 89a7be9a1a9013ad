#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "game/core/FastForward.h"
#include "game/core/Frame.h"
#include "game/core/Input.h"
#include "game/core/PlayTime.h"
#include "game/flow/MainLoop.h"
#include "game/flow/Startup.h"
#include "platform/KeyCodes.h"
#include "support/TestGame.h"

using namespace zanbora;
using zanbora::testing::RunUntilEnd;
using zanbora::testing::TestGame;

TEST(FastForward, TheKeyRunsTheClockFourTimesAsFastAndShowsTheMarkWhileHeld) {
    TestGame t(false);
    Game& game = *t.game;
    EXPECT_FALSE(t.platform.fastForwardShown);
    const int64_t start = game.now();
    OnKeyDown(game, vk::FastForward);
    EXPECT_TRUE(t.platform.fastForwardShown);
    t.platform.advance(10);
    EXPECT_EQ(game.now(), start + 10 * kFastForwardSpeed);
    OnKeyUp(game, vk::FastForward);
    EXPECT_FALSE(t.platform.fastForwardShown);
    t.platform.advance(10);
    EXPECT_EQ(game.now(), start + 10 * kFastForwardSpeed + 10);
}

TEST(FastForward, OtherKeysLeaveTheClockAlone) {
    TestGame t(false);
    Game& game = *t.game;
    for (int key : {vk::X, vk::Z, vk::Left, vk::Alt}) {
        OnKeyDown(game, key);
        EXPECT_EQ(game.time.speed(), 1) << key;
        OnKeyUp(game, key);
    }
    EXPECT_FALSE(t.platform.fastForwardShown);
}

namespace {

// What a run leaves behind that the game's logic decides.
struct RunEnd {
    double heroX = 0, heroY = 0;
    int facing = 0, ambientPhase = 0, walkFrame = 0, animPhase = 0, fieldCounter = 0;
    double encounterSteps = 0;
    std::string state;
    double nextRandom = 0;  // the generator's state, as its next draw
    double playTimeMs = 0;
    int64_t gameMs = 0;     // game time the frames took
    int64_t virtualMs = 0;  // the headless machine's time they took
    int frames = 0;
    std::vector<uint32_t> picture;
};

constexpr int kFrames = 1000;

// A new hero walks about the start area for kFrames field frames, the keys
// held by frame count (a player's fingers on the same frames), with the
// fast-forward key held from the start or not at all.
RunEnd WalkAbout(bool fastForward) {
    TestGame t;
    Game& game = *t.game;
    LoadGameData(game);
    game.player.PlayClock = game.now();
    const int64_t gameStart = game.now(), virtualStart = t.platform.ticks();
    if (fastForward) t.platform.keyDownAt(virtualStart, vk::FastForward);
    const int walk[] = {vk::Right, vk::Up, vk::Left, vk::Down, 0, vk::Right, vk::Down, vk::Left};
    int held = 0;
    t.platform.autopilot = [&](HeadlessPlatform& p) {
        const int frame = p.frameCount();
        if (frame == kFrames) return p.eventAt(p.ticks(), {PlatformEvent::Kind::Quit, 0});
        if (frame % 45 != 1) return;
        if (held) p.keyUpAt(p.ticks(), held);
        held = walk[frame / 45 % std::size(walk)];
        if (held) p.keyDownAt(p.ticks(), held);
    };
    EXPECT_EQ(RunUntilEnd([&] { man(game); }), 0);
    EXPECT_EQ(t.platform.fastForwardShown, fastForward);
    RunEnd end;
    end.heroX = game.player.HeroX;
    end.heroY = game.player.HeroY;
    end.facing = game.field.Facing;
    end.ambientPhase = game.field.AmbientPhase;
    end.walkFrame = game.field.WalkFrame;
    end.animPhase = game.clock.AnimPhase;
    end.fieldCounter = game.field.FieldCounter;
    end.encounterSteps = game.field.EncounterSteps;
    end.state = game.GameState;
    end.playTimeMs = PlayTimeMs(game);
    end.nextRandom = game.Rnd();
    end.gameMs = game.now() - gameStart;
    end.virtualMs = t.platform.ticks() - virtualStart;
    end.frames = t.platform.frameCount();
    end.picture = t.platform.lastFrame().data;
    return end;
}

}  // namespace

TEST(FastForward, AThousandFramesTakeAQuarterOfTheTimeAndEndInTheSameGame) {
    const RunEnd normal = WalkAbout(false);
    const RunEnd fast = WalkAbout(true);
    ASSERT_EQ(normal.frames, kFrames);
    EXPECT_EQ(fast.frames, normal.frames);
    // The walk went somewhere: the comparison below means something.
    EXPECT_NE(normal.heroX, 53.5);
    EXPECT_EQ(fast.heroX, normal.heroX);
    EXPECT_EQ(fast.heroY, normal.heroY);
    EXPECT_EQ(fast.facing, normal.facing);
    EXPECT_EQ(fast.ambientPhase, normal.ambientPhase);
    EXPECT_EQ(fast.walkFrame, normal.walkFrame);
    EXPECT_EQ(fast.animPhase, normal.animPhase);
    EXPECT_EQ(fast.fieldCounter, normal.fieldCounter);
    EXPECT_EQ(fast.encounterSteps, normal.encounterSteps);
    EXPECT_EQ(fast.state, normal.state);
    EXPECT_EQ(fast.nextRandom, normal.nextRandom);
    EXPECT_EQ(fast.playTimeMs, normal.playTimeMs);
    EXPECT_EQ(fast.gameMs, normal.gameMs);
    EXPECT_TRUE(fast.picture == normal.picture);
    // The last frame ends the game before its wait.
    EXPECT_EQ(normal.virtualMs, (kFrames - 1) * 48);
    EXPECT_GE(fast.virtualMs, normal.virtualMs / kFastForwardSpeed);
    EXPECT_LE(fast.virtualMs, normal.virtualMs / kFastForwardSpeed + 1);
}
