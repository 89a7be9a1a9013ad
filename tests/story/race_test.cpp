// The race of the hall: the fee, the kart's physics, the clock, the reward,
// and two whole laps on the world's track driven with keys.
#include <filesystem>

#include "game/core/MapLayers.h"
#include "game/core/TerrainCodes.h"
#include "game/story/MiniGames.h"
#include "game/story/Race.h"
#include "platform/KeyCodes.h"
#include "story_fixture.h"
#include "support/BuildPaths.h"

namespace zanbora::testing {
namespace {

class RaceTest : public StoryTest {
protected:
    RaceTest() { pressX = false; }
    // The kart at (114, y) with the given speed; one frame of the race.
    RaceState FrameAt(double y, double speed) {
        game().player.HeroX = 114;
        game().player.HeroY = y;
        RaceState race;
        race.RaceLap = 1;
        race.RaceSpeed = speed;
        RaceFrame(game(), race);
        return race;
    }
};

TEST_F(RaceTest, TimesReadMinutesSecondsMillisecondsWithoutLeadingZeros) {
    EXPECT_EQ(RaceTimeText(65030), "1:5:30");
    EXPECT_EQ(RaceTimeText(0), "0:0:0");
    EXPECT_EQ(RaceTimeText(181000), "3:1:0");
    EXPECT_EQ(RaceTimeText(59999), "0:59:999");
}

TEST_F(RaceTest, RewardsFollowTheLevelAndTheTime) {
    EXPECT_EQ(RaceReward(10, 60000), 44);
    EXPECT_EQ(RaceReward(1, 181000), 20) << "three minutes and a second";
    EXPECT_EQ(RaceReward(50, 181000), 20);
    EXPECT_EQ(RaceReward(1, 180000), 1);
    EXPECT_EQ(RaceReward(2, 27000), 2);  // 7 x 160000 / 800000 + 1 = 2.4
}

TEST_F(RaceTest, WithLessThanTwentySenThereIsNoRace) {
    pressX = true;
    game().player.Money = 19;
    RaceGame(game());
    EXPECT_EQ(game().player.Money, 19);
    EXPECT_EQ(soundCount("data0.mid"), 0);
    EXPECT_EQ(double(game().player.Progress[15]), 0);
}

TEST_F(RaceTest, AWallAheadHalvesAndReversesTheSpeedWithABump) {
    terrain(110, 480, 118, 486, 3);  // trees across the track
    RaceState race = FrameAt(486.3, -0.5);
    EXPECT_DOUBLE_EQ(race.RaceSpeed, 0.25 - 0.000976562);
    EXPECT_EQ(soundCount("men05"), 1);
    EXPECT_DOUBLE_EQ(game().player.HeroY, 486.3) << "the kart did not move into the trees";
    race = FrameAt(486.3, -0.2);
    EXPECT_DOUBLE_EQ(race.RaceSpeed, 0.1 - 0.000976562);
    EXPECT_EQ(soundCount("men05"), 2) << "each bump sounds";
}

TEST_F(RaceTest, BothPedalsDriveBackwardAndFrictionSlowsTheKart) {
    game().keys.KeyDecide = game().keys.KeyAct = true;
    RaceState race = FrameAt(300, 0);
    EXPECT_DOUBLE_EQ(race.RaceSpeed, 0.0078125 - 0.000976562);
    game().keys.KeyAct = false;
    race = FrameAt(300, 0);
    EXPECT_DOUBLE_EQ(race.RaceSpeed, -0.00390625 + 0.000976562);
    game().keys.KeyDecide = false;
    race = FrameAt(300, -0.5);
    EXPECT_DOUBLE_EQ(race.RaceSpeed, -0.5 + 0.000976562);
    game().keys.KeyDecide = true;
    race = FrameAt(300, -0.5);
    EXPECT_DOUBLE_EQ(race.RaceSpeed, -0.5) << "the top speed forward";
    game().keys.KeyDecide = false;
    game().keys.KeyAct = true;
    race = FrameAt(300, 0.25);
    EXPECT_DOUBLE_EQ(race.RaceSpeed, 0.25) << "the top speed backward";
}

TEST_F(RaceTest, SteeringStopsAtTheTrackEdge) {
    terrain(116, 0, 116, 505, 3);
    game().keys.KeyState[2] = true;
    game().player.HeroX = 115.4;  // foot 115.9
    game().player.HeroY = 300;
    RaceState race;
    race.RaceLap = 1;
    RaceFrame(game(), race);
    EXPECT_DOUBLE_EQ(game().player.HeroX, 115.4) << "116.025 is in the trees";
    game().player.HeroX = 115.2;
    RaceFrame(game(), race);
    EXPECT_DOUBLE_EQ(game().player.HeroX, 115.325);
}

// The page after the race, and what it pays: a level-3 hero is paid
// Int(19 x (187000 - time) / 800000 + 1).
TEST_F(RaceTest, TheResultPageTellsTheTimeTheBestTimeAndTheExperience) {
    pressX = true;
    Player& hero = game().player;
    hero.Level = 3;
    hero.Exp = 0;
    hero.Progress[15] = 60000;
    RaceResult(game(), 65030);
    EXPECT_TRUE(Shown("今回のタイムは1:5:30だ", 290));
    EXPECT_TRUE(Shown("ベストタイムは1:0:0だ", 310)) << "a slower race keeps the best time";
    EXPECT_TRUE(Shown("獲得経験値は3ポイントだ。", 330));
    EXPECT_EQ(hero.Exp, 3);
    EXPECT_EQ(hero.Level, 3);
    EXPECT_EQ(soundCount("data4.mid"), 0) << "no level, no fanfare";
    EXPECT_EQ(game().music.BgmFile, "data1.mid") << "back to the field music";

    ForgetFrames();
    RaceResult(game(), 50000);
    EXPECT_TRUE(Shown("今回のタイムは0:50:0だ", 290));
    EXPECT_TRUE(Shown("ベストタイムは0:50:0だ", 310)) << "the new best";
    EXPECT_TRUE(Shown("獲得経験値は4ポイントだ。", 330));
    EXPECT_EQ(double(hero.Progress[15]), 50000);
    EXPECT_EQ(hero.Exp, 7);

    hero.Exp = 29;
    RaceResult(game(), 50000);
    EXPECT_EQ(hero.Exp, 33);
    EXPECT_EQ(hero.Level, 4) << "past 3 x 3 x 3 + 5";
    EXPECT_EQ(soundCount("LVUP"), 1);
    EXPECT_GE(soundCount("data4.mid"), 1);
}

// Two laps on the world's own track: X held the whole race, the arrows
// steer towards the middle of the road a few rows ahead.
TEST_F(RaceTest, ARaceDrivenWithKeysFinishesTwoLapsAndPays) {
    const std::string dir = BuiltGameDir();
    std::string problem;
    if (!std::filesystem::exists(dir + "/map.dat")) GTEST_SKIP() << "no built world";
    ASSERT_TRUE(LoadTerrainFile(dir + "/map.dat", game().map, problem)) << problem;
    shots.clear();
    Player& hero = game().player;
    hero.Money = 25;
    hero.Level = 10;
    hero.Exp = 100;
    hero.HeroX = 79.5;
    hero.HeroY = 482.6;
    HeadlessPlatform& platform = tg.platform;
    bool racing = false;
    int laps = 0, raceFrames = 0;
    double lastY = kRaceStartY;
    platform.onPresent = nullptr;
    platform.autopilot = [&](HeadlessPlatform& p) {
        if (game().Pic.fontSize != 30) {
            if (racing) p.keyUpAt(p.ticks(), vk::X);
            racing = false;
            return;
        }
        if (!racing) p.keyDownAt(p.ticks(), vk::X);
        racing = true;
        ++raceFrames;
        if (hero.HeroY > lastY + 100) ++laps;
        lastY = hero.HeroY;
        // The middle of the road four rows ahead.
        const int row = Int(hero.HeroY + 0.875) - 4;
        int first = -1, last = -1;
        for (int x = 100; x < 140; ++x)
            if (IsWalkableTerrain(game().map.terrainAt(x, row))) {
                if (first < 0) first = x;
                last = x;
            }
        const double middle = (first + last + 1) / 2.0, foot = hero.HeroX + 0.5;
        const bool left = foot > middle + 0.3, right = foot < middle - 0.3;
        game().keys.KeyState[0] = left;
        game().keys.KeyState[2] = right;
    };
    pressX = true;
    RaceGame(game());
    EXPECT_EQ(laps, 1) << "back to the start once, then the finish";
    EXPECT_EQ(hero.Money, 5);
    EXPECT_DOUBLE_EQ(hero.HeroX, 79.5) << "back where he stood";
    EXPECT_DOUBLE_EQ(hero.HeroY, 482.6);
    const double best = hero.Progress[15];
    EXPECT_GT(best, 40000) << "two laps of 440 rows take their time";
    EXPECT_LT(best, 180000);
    EXPECT_EQ(hero.Exp, 100 + RaceReward(10, int64_t(best)));
    EXPECT_LT(raceFrames, 4000) << "the kart kept to the road";
    EXPECT_GE(soundCount("data0.mid"), 1);
    EXPECT_GE(soundCount("data1.mid"), 1) << "the field music comes back";
}

}  // namespace
}  // namespace zanbora::testing
