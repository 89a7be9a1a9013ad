// Levels from experience and the growth wheel, driven by scripted keys.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <memory>
#include <string>

#include "game/battle/LevelUp.h"
#include "platform/KeyCodes.h"
#include "support/TestGame.h"

using namespace zanbora;
using zanbora::testing::TestGame;

namespace {

int Played(const TestGame& t, const std::string& wave) {
    return int(std::count_if(t.platform.soundLog.begin(), t.platform.soundLog.end(), [&](std::string line) {
        std::transform(line.begin(), line.end(), line.begin(), [](unsigned char c) { return std::tolower(c); });
        return line.find(wave) != std::string::npos;
    }));
}

// Presses decide after every frame the wheel shows at rest.
void DecideOnEveryFrame(TestGame& t) {
    t.game->clock.LastTick = t.platform.ticks();
    t.platform.autopilot = [](HeadlessPlatform& p) { p.tap(vk::X); };
}

// A townsman's growth.
void Townsman(Player& hero) {
    hero.GrowHp = 7;
    hero.GrowMp = 5;
    hero.GrowAttack = 2;
    hero.GrowDefence = 1;
    hero.GrowSpeed = 3;
}

// A wheel icon as a solid block of its own colour, so a frame tells where it is.
uint32_t IconColour(int i) { return Rgb(40 + 40 * i, 255, 255 - 40 * i); }
void PaintIcons(Game& game) {
    for (int i = 0; i < 5; ++i) game.sheets.ch.fillRect(32 * i, 256, 32 * i + 31, 287, IconColour(i));
}

}  // namespace

TEST(LevelUp, ThresholdsAreLevelCubedPlusFive) {
    EXPECT_EQ(LevelThreshold(1), 6);
    EXPECT_EQ(LevelThreshold(2), 13);
    EXPECT_EQ(LevelThreshold(3), 32);
    EXPECT_EQ(LevelThreshold(4), 69);
    EXPECT_EQ(LevelThreshold(5), 130);
}

TEST(LevelUp, ExperienceMustExceedTheThreshold) {
    for (int level = 1; level <= 4; ++level) {
        const double threshold = level * level * level + 5;
        {
            TestGame t;
            Game& game = *t.game;
            game.player.Level = level;
            game.player.Exp = threshold;
            DecideOnEveryFrame(t);
            RunLevelUps(game);
            EXPECT_EQ(game.player.Level, level) << "exactly " << threshold;
            EXPECT_EQ(t.platform.frameCount(), 0);
            EXPECT_EQ(Played(t, "lvup.wav"), 0);
        }
        {
            TestGame t;
            Game& game = *t.game;
            game.player.Level = level;
            game.player.Exp = threshold + 1;
            DecideOnEveryFrame(t);
            RunLevelUps(game);
            EXPECT_EQ(game.player.Level, level + 1) << "past " << threshold;
            EXPECT_EQ(Played(t, "lvup.wav"), 1);
            EXPECT_EQ(Played(t, "men03.wav"), 6);
            EXPECT_EQ(game.battle.GrowthPicks, 0);
        }
    }
}

TEST(LevelUp, FortyExperienceAtLevelOneRunsTheWheelThreeTimes) {
    TestGame t;
    Game& game = *t.game;
    Player& hero = game.player;
    Townsman(hero);
    hero.Exp = 40;
    hero.Hp = 3;
    hero.Mp = 0;
    game.monster.Id = 2;
    // Every pick lands on max HP (the wheel starts there) and rolls the top extra.
    game.rng.pinned.assign(18, 0.99);
    DecideOnEveryFrame(t);
    RunLevelUps(game);
    EXPECT_EQ(hero.Level, 4);  // past 6, 13 and 32, not past 69
    EXPECT_EQ(Played(t, "lvup.wav"), 3);
    EXPECT_EQ(Played(t, "men03.wav"), 18);
    EXPECT_EQ(hero.MaxHp, 50 + 18 * (7 + 3));
    EXPECT_EQ(hero.Hp, hero.MaxHp);
    EXPECT_EQ(hero.Mp, hero.MaxMp);
    EXPECT_EQ(hero.Exp, 40);
    EXPECT_TRUE(game.rng.pinned.empty());
}

TEST(LevelUp, OpponentFifteenGivesOnePickWithoutALevel) {
    TestGame t;
    Game& game = *t.game;
    Player& hero = game.player;
    Townsman(hero);
    hero.Exp = 2;
    game.monster.Id = 15;
    game.rng.pinned = {0.0};
    DecideOnEveryFrame(t);
    RunLevelUps(game);
    EXPECT_EQ(hero.Level, 1);
    EXPECT_EQ(Played(t, "lvup.wav"), 0);
    EXPECT_EQ(Played(t, "men03.wav"), 1);
    EXPECT_EQ(hero.MaxHp, 57);
}

TEST(LevelUp, OpponentFifteenAfterALevelGivesSevenPicks) {
    TestGame t;
    Game& game = *t.game;
    Townsman(game.player);
    game.player.Exp = 10;
    game.monster.Id = 15;
    DecideOnEveryFrame(t);
    RunLevelUps(game);
    EXPECT_EQ(game.player.Level, 2);
    EXPECT_EQ(Played(t, "men03.wav"), 7);
}

TEST(LevelUp, StormLoweredExperienceCountsFromTheCurrentLevel) {
    TestGame t;
    Game& game = *t.game;
    game.player.Level = 3;
    game.player.Exp = 20;  // past level 2's threshold, short of level 3's
    DecideOnEveryFrame(t);
    RunLevelUps(game);
    EXPECT_EQ(game.player.Level, 3);
}

TEST(GrowthWheel, EachPositionRaisesItsStat) {
    struct Case {
        int turnsLeft;  // Left turns the wheel one way, Right the other
        int turnsRight;
        double Player::*stat;
        double gain;  // growth 7/3/1/2/5 plus a pinned extra of 1
    };
    const Case cases[] = {
        {1, 0, &Player::Speed, 3 + 1},
        {2, 0, &Player::Defence, 1 + 1},
        {0, 2, &Player::Attack, 2 + 1},
        {0, 1, &Player::MaxMp, 5 + 1},
    };
    for (const Case& c : cases) {
        TestGame t;
        Game& game = *t.game;
        Player& hero = game.player;
        Townsman(hero);
        const double before = hero.*c.stat;
        const double maxHp = hero.MaxHp;
        game.battle.GrowthPicks = 1;
        game.field.Cursor = 3;  // the wheel always starts at the top position
        game.rng.pinned = {0.6, 0.5};  // Int(0.6 + 0.5) = 1
        game.clock.LastTick = t.platform.ticks();
        // Hold the arrow across one frame per turn; each turn takes 11 steps
        // of 10 ms after the frame that saw the key.
        int64_t at = t.platform.ticks();
        for (int i = 0; i < c.turnsLeft + c.turnsRight; ++i) {
            const int key = i < c.turnsLeft ? vk::Left : vk::Right;
            t.platform.keyDownAt(at + 10, key);
            t.platform.keyUpAt(at + 100, key);
            at += 400;
        }
        t.platform.keyDownAt(at + 10, vk::X);
        t.platform.keyUpAt(at + 30, vk::X);
        GrowthWheel(game);
        EXPECT_EQ(hero.*c.stat, before + c.gain) << c.turnsLeft << " left, " << c.turnsRight << " right";
        EXPECT_EQ(hero.MaxHp, maxHp);
        EXPECT_EQ(game.battle.GrowthPicks, 0);
    }
}

TEST(GrowthWheel, MaxHpExtraIsZeroToThree) {
    for (double draw : {0.0, 0.24, 0.25, 0.5, 0.75, 0.999}) {
        TestGame t(false);
        Game& game = *t.game;
        Townsman(game.player);
        game.field.Cursor = 0;
        game.battle.GrowthPicks = 2;
        game.rng.pinned = {draw};
        ApplyGrowthPick(game);
        EXPECT_EQ(game.player.MaxHp, 50 + 7 + int(4 * draw)) << draw;
        EXPECT_EQ(game.battle.GrowthPicks, 1);
    }
}

TEST(GrowthWheel, SmallExtrasComeFromTwoDraws) {
    TestGame t(false);
    Game& game = *t.game;
    Player& hero = game.player;
    Townsman(hero);
    hero.Hp = 1;
    hero.Mp = 2;
    game.field.Cursor = 3;  // attack
    game.battle.GrowthPicks = 1;
    game.rng.pinned = {0.49, 0.5};  // 0.99: no extra
    ApplyGrowthPick(game);
    EXPECT_EQ(hero.Attack, 12);
    EXPECT_EQ(hero.Hp, hero.MaxHp);  // every pick refills
    EXPECT_EQ(hero.Mp, hero.MaxMp);
    game.rng.pinned = {0.5, 0.5};   // 1.0: one extra
    ApplyGrowthPick(game);
    EXPECT_EQ(hero.Attack, 15);
}

TEST(GrowthWheel, TheScreenShowsTheTopIconInTheFrame) {
    TestGame t(false);
    Game& game = *t.game;
    PaintIcons(game);
    game.battle.GrowthPicks = 1;
    Pixels first;
    t.platform.onPresent = [&](const Pixels& frame) {
        if (first.width == 0) first = frame;
    };
    DecideOnEveryFrame(t);
    GrowthWheel(game);
    ASSERT_EQ(first.width, 512);
    EXPECT_EQ(first.at(150, 65), IconColour(0));  // max HP at the top
    EXPECT_EQ(first.at(181, 96), IconColour(0));
    EXPECT_EQ(first.at(145, 60), Rgb(255, 0, 0));  // the red frame round it
    EXPECT_EQ(first.at(187, 102), Rgb(255, 0, 0));
    // Icon 1 (max MP) 1.25 radians round: (Int(150 - 70 sin 1.25), Int(135 - 70 cos 1.25)).
    EXPECT_EQ(first.at(83 + 5, 113 + 5), IconColour(1));
    // Icon 4 (speed) at 5 radians, just right of the top.
    EXPECT_EQ(first.at(217 + 5, 115 + 5), IconColour(4));
    EXPECT_EQ(first.at(300, 15), QBColor(15));  // the status panel beside the wheel
    int lit = 0;  // "LEVEL UP!!" at (120, 30)
    for (int y = 30; y < 50; ++y)
        for (int x = 120; x < 220; ++x) lit += first.at(x, y) != 0;
    EXPECT_GT(lit, 40);
}

TEST(GrowthWheel, ATurnToTheLeftBringsSpeedToTheTop) {
    TestGame t(false);
    Game& game = *t.game;
    PaintIcons(game);
    game.battle.GrowthPicks = 1;
    game.clock.LastTick = t.platform.ticks();
    t.platform.keyDownAt(t.platform.ticks() + 10, vk::Left);
    t.platform.keyUpAt(t.platform.ticks() + 100, vk::Left);
    t.platform.keyDownAt(t.platform.ticks() + 400, vk::X);
    t.platform.keyUpAt(t.platform.ticks() + 420, vk::X);
    std::vector<Pixels> frames;
    t.platform.onPresent = [&](const Pixels& frame) { frames.push_back(frame); };
    GrowthWheel(game);
    ASSERT_GE(frames.size(), 13u);
    // Frame 0 at rest, frames 1..11 the turn; the last rest frame before the
    // decide shows speed (icon 4) in the red frame.
    EXPECT_EQ(frames[0].at(160, 75), IconColour(0));
    EXPECT_EQ(frames.back().at(160, 75), IconColour(4));
    EXPECT_EQ(game.field.Cursor, 1);
}
