// The field on the world the game ships: map.dat and items.lst of the built
// game folder.
#include <filesystem>

#include "field_fixture.h"
#include "game/core/TerrainCodes.h"
#include "game/field/WarpTable.h"
#include "support/BuildPaths.h"

namespace zanbora::testing {
namespace {

class RealMapTest : public FieldTest {
protected:
    void SetUp() override {
        const std::string dir = zanbora::testing::BuiltGameDir();
        std::string problem;
        if (!std::filesystem::exists(dir + "/map.dat") || !std::filesystem::exists(dir + "/items.lst"))
            GTEST_SKIP() << "the built game folder has no world yet";
        ASSERT_TRUE(LoadTerrainFile(dir + "/map.dat", game().map, problem)) << problem;
        ASSERT_TRUE(ApplyItemList(dir + "/items.lst", game().map));
    }
    // The hero's feet appear in the middle of (x, y) as if he had just
    // stepped in, and one field frame runs.
    void arriveAt(int x, int y) {
        standIn(x, y);
        game().field.LastCellX = -1;
        hold("");
        frames(1);
    }
};

TEST_F(RealMapTest, EveryWarpOfTheWorldLandsOnWalkableGroundAndStaysThere) {
    int warps = 0;
    for (int y = 0; y < kEventRows; ++y) {
        for (int x = 0; x < kEventColumns; ++x) {
            const int code = game().map.eventAt(x, y);
            std::optional<FieldWarp> warp = FindFieldWarp(code, y);
            if (!warp) continue;
            ++warps;
            arriveAt(x, y);
            MapCell landing = WarpLanding(*warp, {x, y});
            EXPECT_EQ(footCellX(), landing.x) << "warp " << code << " at " << x << ", " << y;
            EXPECT_EQ(footCellY(), landing.y) << "warp " << code << " at " << x << ", " << y;
            EXPECT_TRUE(IsWalkableTerrain(game().map.terrainAt(landing.x, landing.y)))
                << "warp " << code << " at " << x << ", " << y;
            const double hx = game().player.HeroX, hy = game().player.HeroY;
            frames(3);
            EXPECT_EQ(game().player.HeroX, hx);
            EXPECT_EQ(game().player.HeroY, hy);
        }
    }
    EXPECT_GT(warps, 0);
}

TEST_F(RealMapTest, EveryMagicCircleOfTheWorldHasARowAndLandsOnWalkableGround) {
    int circles = 0;
    for (int y = 0; y < kEventRows; ++y) {
        for (int x = 0; x < kEventColumns; ++x) {
            const int code = game().map.eventAt(x, y);
            if (code != 18 && code != 19) continue;
            ++circles;
            std::optional<MagicCircle> circle = FindMagicCircle(y);
            ASSERT_TRUE(circle) << "no circle row for the circle at " << x << ", " << y;
            arriveAt(x, y);
            MapCell landing = CircleLanding(*circle, {x, y});
            EXPECT_EQ(footCellX(), landing.x) << "circle at " << x << ", " << y;
            EXPECT_EQ(footCellY(), landing.y) << "circle at " << x << ", " << y;
            EXPECT_TRUE(IsWalkableTerrain(game().map.terrainAt(landing.x, landing.y)))
                << "circle at " << x << ", " << y;
            if (circle->opensWayBack) {
                EXPECT_TRUE(FindMagicCircle(landing.y)) << "the way back from " << x << ", " << y << " leads nowhere";
            }
        }
    }
    EXPECT_GT(circles, 0);
}

TEST_F(RealMapTest, TheNewHeroStartsOnOpenGroundAndCanWalk) {
    game().player.HeroX = 53.5;
    game().player.HeroY = 480.5;
    game().field.LastCellX = footCellX();
    game().field.LastCellY = footCellY();
    EXPECT_TRUE(IsWalkableTerrain(game().map.terrainAt(footCellX(), footCellY())));
    const char* patterns[] = {"R", "U", "L", "D", "RU", "LD"};
    int moved = 0;
    for (int i = 0; i < 240; ++i) {
        hold(patterns[(i / 10) % 6]);
        const double x = game().player.HeroX, y = game().player.HeroY;
        frames(1);
        moved += x != game().player.HeroX || y != game().player.HeroY;
        ASSERT_TRUE(IsWalkableTerrain(game().map.terrainAt(footCellX(), footCellY())));
    }
    EXPECT_GT(moved, 0);
}

}  // namespace
}  // namespace zanbora::testing
