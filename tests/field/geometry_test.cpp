// The projection of the field window and the sight rays.
#include "field_fixture.h"
#include "game/view/FieldGeometry.h"

namespace zanbora::testing {
namespace {

TEST(FieldGeometry, SubCellOffsetsRoundHalvesToEven) {
    EXPECT_DOUBLE_EQ(SubCellOffset(53.125), 0.12);
    EXPECT_DOUBLE_EQ(SubCellOffset(53.375), 0.38);
    EXPECT_DOUBLE_EQ(SubCellOffset(53.625), 0.62);
    EXPECT_DOUBLE_EQ(SubCellOffset(480.5), 0.5);
    EXPECT_DOUBLE_EQ(SubCellOffset(54.0), 0.0);
    EXPECT_DOUBLE_EQ(SubCellOffset(481.4), 0.4);
}

TEST(FieldGeometry, RowTopsAndWidthsOfTheTiltedPlane) {
    const int tops[9] = {83, 92, 107, 128, 155, 188, 227, 272, 323};
    for (int dy = -4; dy <= 4; ++dy) {
        CellRect r = CellRectangle(0, dy, 0, 0);
        EXPECT_EQ(r.y0, tops[dy + 4]) << "row " << dy;
        EXPECT_EQ(r.x0, 160);
        EXPECT_EQ(r.width(), 3 * (13 + dy)) << "row " << dy;
        if (dy < 4) {
            EXPECT_EQ(r.y1, tops[dy + 5]);
        }
    }
    // Cells away from the middle column sink by their distance from it.
    EXPECT_EQ(CellRectangle(-3, -4, 0, 0).y0, 86);
    EXPECT_EQ(CellRectangle(2, 0, 0, 0).y0, 157);
    EXPECT_DOUBLE_EQ(ProjectCell(0, -4, 0, 0).s, -3);
    EXPECT_DOUBLE_EQ(ProjectCell(0, 4, 0, 0).s, 5);
}

TEST(FieldGeometry, AnEighthOfACellShiftsEveryRowSmoothly) {
    for (int dy = -4; dy <= 3; ++dy) {
        CellRect still = CellRectangle(0, dy, 0, 0), moved = CellRectangle(0, dy, 0, 0.12);
        EXPECT_LT(moved.y0, still.y0);
        EXPECT_GT(moved.y0, CellRectangle(0, dy - 1, 0, 0).y0);
    }
    EXPECT_LT(CellRectangle(1, 0, 0.12, 0).x0, CellRectangle(1, 0, 0, 0).x0);
}

TEST(FieldGeometry, DarkCavesShortenTheSight) {
    EXPECT_EQ(SightRadius(129), 4);
    EXPECT_EQ(SightRadius(129.5), 4) << "row 129 is still lit, wherever the feet are in it";
    EXPECT_EQ(SightRadius(129.99), 4);
    EXPECT_EQ(SightRadius(130), 3);
    EXPECT_EQ(SightRadius(179.9), 3);
    EXPECT_EQ(SightRadius(180), 4);
}

class SightTest : public FieldTest {
protected:
    SightGrid cast(int x, int y, int radius = 4) {
        SightGrid sight;
        CastSightRays(game().map, x, y, radius, game().field.SinTab, game().field.CosTab, sight);
        return sight;
    }
};

TEST_F(SightTest, OpenGroundShowsACircleOfRadiusFour) {
    SightGrid sight = cast(20, 20);
    EXPECT_TRUE(sight.visible(0, 0));
    EXPECT_TRUE(sight.visible(0, -4));
    EXPECT_TRUE(sight.visible(3, 2));
    EXPECT_FALSE(sight.visible(3, 4));
    EXPECT_FALSE(sight.visible(-3, -4));
}

TEST_F(SightTest, WallsStopRaysButAreSeenThemselves) {
    for (int code : {0, 1, 7, 8, 13}) {
        terrain(0, 0, 60, 60, 10);
        terrain(21, 20, code);
        SightGrid sight = cast(20, 20);
        EXPECT_TRUE(sight.visible(1, 0)) << code;
        EXPECT_FALSE(sight.visible(3, 0)) << code;
    }
}

TEST_F(SightTest, TwoHedgesHideWhatLiesBehindThemOneDoesNot) {
    terrain(21, 20, 4);
    EXPECT_TRUE(cast(20, 20).visible(3, 0));
    terrain(22, 20, 4);
    SightGrid sight = cast(20, 20);
    EXPECT_TRUE(sight.visible(2, 0));
    EXPECT_FALSE(sight.visible(3, 0));
}

TEST_F(SightTest, ThreeCellsOfWoodsHideTheFourth) {
    for (int code : {2, 3}) {
        terrain(0, 0, 60, 60, 10);
        terrain(20, 21, 20, 22, code);
        EXPECT_TRUE(cast(20, 20).visible(0, 4)) << code;
        terrain(20, 23, code);
        SightGrid sight = cast(20, 20);
        EXPECT_TRUE(sight.visible(0, 3)) << code;
        EXPECT_FALSE(sight.visible(0, 4)) << code;
    }
}

TEST_F(SightTest, StandingInsideAWallDoesNotBlind) {
    terrain(20, 20, 8);
    SightGrid sight = cast(20, 20);
    EXPECT_TRUE(sight.visible(0, -4));
    EXPECT_TRUE(sight.visible(4, 0));
}

}  // namespace
}  // namespace zanbora::testing
