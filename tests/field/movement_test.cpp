// Walking: the held keys, sliding along walls, the walkable set, the
// walking animation and the rock push of the act key.
#include "field_fixture.h"
#include "game/core/TerrainCodes.h"
#include "game/flow/MainLoop.h"
#include "platform/KeyCodes.h"

namespace zanbora::testing {
namespace {

using MovementTest = FieldTest;

TEST_F(MovementTest, LeftAndRightTogetherOnlyRedraw) {
    standIn(20, 20);
    game().field.Facing = 1;
    hold("LR");
    frames(5);
    EXPECT_DOUBLE_EQ(game().player.HeroX, 20);
    EXPECT_DOUBLE_EQ(game().player.HeroY, 19.6);
    EXPECT_EQ(game().field.Facing, 1);
    EXPECT_NE(game().sheets.PIC_U.width(), 0) << "the field was drawn";
    hold("UDL");
    frames(3);
    EXPECT_DOUBLE_EQ(game().player.HeroX, 20);
    EXPECT_DOUBLE_EQ(game().player.HeroY, 19.6);
}

TEST_F(MovementTest, OneCellTakesEightFrames) {
    standIn(20, 20);
    hold("R");
    frames(8);
    EXPECT_DOUBLE_EQ(game().player.HeroX, 21);
    EXPECT_EQ(game().field.Facing, 1);
    hold("U");
    frames(1);
    EXPECT_DOUBLE_EQ(game().player.HeroY, 19.475);
    EXPECT_EQ(game().field.Facing, 0);
}

TEST_F(MovementTest, ADiagonalIntoAWallSlides) {
    standIn(20, 20);
    terrain(19, 0, 19, 60, 1);  // a wall all along the left
    hold("LD");
    frames(12);
    EXPECT_DOUBLE_EQ(game().player.HeroX, 19.5) << "the feet stopped at the wall";
    EXPECT_GT(game().player.HeroY, 20.5);
    EXPECT_EQ(game().field.Facing, 2) << "the vertical part moved last";

    terrain(0, 19, 60, 19, 1);  // and a wall along the top
    standIn(22, 20);
    hold("UL");
    frames(12);
    EXPECT_NEAR(game().player.HeroY + 0.9, 20.0, 1e-9);
    EXPECT_LT(game().player.HeroX, 22);
    EXPECT_EQ(game().field.Facing, 3);
}

TEST_F(MovementTest, ABlockedStepKeepsTheLastFacing) {
    standIn(20, 20);
    terrain(21, 20, 0);
    terrain(20, 21, 0);
    terrain(21, 21, 0);
    hold("RD");
    frames(10);
    EXPECT_EQ(footCellX(), 20);
    EXPECT_EQ(footCellY(), 20);
    EXPECT_EQ(game().field.Facing, 2);
}

TEST_F(MovementTest, OnlyTheWalkableCodesCanBeEntered) {
    // Walking into the inn square (12) opens the town: leave it at once.
    tg.platform.autopilot = [](HeadlessPlatform& p) { p.tap(vk::Z); };
    for (int code = 0; code < 20; ++code) {
        terrain(0, 0, 60, 60, 10);
        terrain(21, 20, code);
        standIn(20, 20);
        hold("R");
        frames(6);
        EXPECT_EQ(footCellX() == 21, IsWalkableTerrain(code)) << "terrain " << code;
    }
}

TEST_F(MovementTest, DrawSkipThreeLandsOnlyOnWalkableCells) {
    game().clock.DrawSkip = 3;
    // A maze of single-cell pillars and gaps.
    for (int y = 5; y < 55; ++y)
        for (int x = 5; x < 55; ++x)
            if ((x * 7 + y * 13) % 5 == 0 || (x % 9 == 0 && y % 3 != 0)) terrain(x, y, 1);
    terrain(30, 30, 10);
    standIn(30, 30);
    const char* patterns[] = {"R", "D", "L", "U", "RD", "LU", "LD", "RU"};
    int moves = 0;
    for (int i = 0; i < 400; ++i) {
        hold(patterns[(i / 7) % 8]);
        double x = game().player.HeroX, y = game().player.HeroY;
        frames(1);
        moves += x != game().player.HeroX || y != game().player.HeroY;
        ASSERT_TRUE(IsWalkableTerrain(game().map.terrainAt(footCellX(), footCellY())))
            << "frame " << i << " at " << game().player.HeroX << ", " << game().player.HeroY;
    }
    EXPECT_GT(moves, 50);
}

TEST_F(MovementTest, TheWalkingAnimationSwingsAndRestsOnFrameZero) {
    standIn(20, 20);
    game().field.WalkFrame = 0;
    game().field.WalkStep = 1;
    hold("R");
    std::vector<int> seen;
    for (int i = 0; i < 6; ++i) {
        frames(1);
        seen.push_back(game().field.WalkFrame);
    }
    EXPECT_EQ(seen, (std::vector<int>{1, 2, 1, 0, 1, 2}));
    hold("");
    frames(1);
    EXPECT_EQ(game().field.WalkFrame, 0);
    EXPECT_EQ(game().field.WalkStep, 1);
}

TEST_F(MovementTest, TheActKeyPushesTheRockTheWayTheHeroFaces) {
    standIn(20, 20);
    game().map.setEvent(20, 20, 17);
    game().field.Facing = 1;
    game().keys.KeyAct = true;
    FieldFrame(game());
    EXPECT_EQ(game().map.eventAt(20, 20), 0);
    EXPECT_EQ(game().map.eventAt(21, 20), 17);
    EXPECT_FALSE(game().keys.KeyAct);

    // Not onto ladders, walls or other events.
    standIn(21, 20);
    terrain(22, 20, 9);
    game().keys.KeyAct = true;
    FieldFrame(game());
    EXPECT_EQ(game().map.eventAt(21, 20), 17);
    game().field.Facing = 2;
    game().map.setEvent(21, 21, 22);
    game().keys.KeyAct = true;
    FieldFrame(game());
    EXPECT_EQ(game().map.eventAt(21, 20), 17);
    game().field.Facing = 0;
    game().keys.KeyAct = true;
    FieldFrame(game());
    EXPECT_EQ(game().map.eventAt(21, 19), 17);
}

}  // namespace
}  // namespace zanbora::testing
