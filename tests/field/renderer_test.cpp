// Pixels of the field layers and of the composed field window.
#include "field_fixture.h"
#include "game/view/FieldGeometry.h"
#include "game/view/FieldView.h"

namespace zanbora::testing {
namespace {

constexpr uint32_t kDirt = 0xA06030, kCave = 0x303060, kWall = 0xE0E020, kHero = 0x20C020;

class RendererTest : public FieldTest {
protected:
    RendererTest() {
        Sheets& s = game().sheets;
        s.map_c.fillRect(0, 176, 63, 239, kDirt);   // code 6
        s.map_c.fillRect(64, 64, 127, 127, kCave);  // code 14
        s.map_c.fillRect(208, 64, 255, 127, kWall);  // code 1, standing
        s.map_c.fillRect(208, 128, 255, 191, 0);     // and its mask: all of it
        for (int p = 0; p < 4; ++p) s.map_c.fillRect(160 + 48 * p, 0, 207 + 48 * p, 63, 0x101010 * uint32_t(p + 1));
        // The hero: a green block with a mask covering all of it, every frame.
        s.chr3.fillRect(0, 0, 79, 179, 0xFFFFFF);
        for (int n = 0; n < 3; ++n) {
            s.chr3.fillRect(0, 60 * n, 79, 60 * n + 29, kHero);
            s.chr3.fillRect(0, 60 * n + 30, 79, 60 * n + 59, 0);
        }
    }
    // DrawField as MOVEN calls it: the position holds the feet.
    void drawAroundFeet(double footX, double footY) {
        game().player.HeroX = footX;
        game().player.HeroY = footY;
        DrawField(game());
        game().player.HeroX = footX - 0.5;
        game().player.HeroY = footY - 0.9;
    }
    uint32_t ground(int x, int y) { return game().sheets.PIC_U.at(x, y); }
    // A layer pixel as it shows on Pic.
    uint32_t onScreen(int layerX, int layerY) { return game().Pic.at(layerX - 2, layerY - 2); }
};

TEST_F(RendererTest, RowsLieWhereTheProjectionPutsThem) {
    for (int y = 0; y < 60; ++y) terrain(0, y, 60, y, y % 2 ? 14 : 6);
    drawAroundFeet(20.0, 20.0);
    const int tops[9] = {83, 92, 107, 128, 155, 188, 227, 272, 323};
    // The nearest row starts below the window, at 323, off the layer.
    for (int dy = -4; dy <= 3; ++dy) {
        uint32_t colour = (20 + dy) % 2 ? kCave : kDirt, before = (20 + dy) % 2 ? kDirt : kCave;
        EXPECT_EQ(ground(170, tops[dy + 4]), colour) << "row " << dy;
        EXPECT_EQ(ground(170, tops[dy + 4] - 1), dy == -4 ? 0u : before) << "row " << dy;
    }
    DrawHero(game());
    EXPECT_EQ(onScreen(170, 92), kCave);
    EXPECT_EQ(onScreen(170, 91), kDirt);
    EXPECT_EQ(onScreen(200, 93), kCave) << "the next column sinks by one pixel";
    EXPECT_EQ(onScreen(200, 92), kDirt);
    EXPECT_EQ(onScreen(170, 272), kCave);
    EXPECT_EQ(onScreen(170, 271), kDirt);
    EXPECT_EQ(game().Pic.at(29, 200), 0u) << "nothing is drawn left of the field window";
}

TEST_F(RendererTest, CellsOutOfSightStayBlack) {
    terrain(0, 0, 139, 505, 6);
    drawAroundFeet(20.0, 20.0);
    CellRect corner = CellRectangle(-3, -4, 0, 0);  // five cells away
    EXPECT_EQ(ground(corner.x0 + 2, corner.y0 + 2), 0u);
    CellRect near = CellRectangle(2, 2, 0, 0);
    EXPECT_EQ(ground(near.x0 + 2, near.y0 + 2), kDirt);
}

TEST_F(RendererTest, TheDarkCaveShowsOnlyThreeCellsAround) {
    terrain(0, 0, 139, 505, 6);
    CellRect far = CellRectangle(0, -4, 0, 0);
    drawAroundFeet(20.0, 100.0);
    EXPECT_EQ(ground(far.x0 + 2, far.y0 + 2), kDirt);
    drawAroundFeet(20.0, 150.0);
    EXPECT_EQ(ground(far.x0 + 2, far.y0 + 2), 0u);
    CellRect three = CellRectangle(0, -3, 0, 0);
    EXPECT_EQ(ground(three.x0 + 2, three.y0 + 2), kDirt);
    // The dark rows are whole rows: feet in the lower half of row 129 still
    // see four cells far, feet at the top of row 130 only three.
    CellRect farFromHalf = CellRectangle(0, -4, 0, 0.5);
    drawAroundFeet(20.0, 129.5);
    EXPECT_EQ(ground(farFromHalf.x0 + 2, farFromHalf.y0 + 2), kDirt) << "row 129";
    drawAroundFeet(20.0, 130.0);
    EXPECT_EQ(ground(far.x0 + 2, far.y0 + 2), 0u) << "row 130";
}

TEST_F(RendererTest, TheSeaMovesWithTheAmbientPhase) {
    terrain(0, 0, 60, 60, 11);
    for (int phase = 0; phase < 4; ++phase) {
        game().field.AmbientPhase = phase;
        drawAroundFeet(20.0, 20.0);
        EXPECT_EQ(ground(170, 160), 0x101010u * uint32_t(phase + 1)) << phase;
    }
}

TEST_F(RendererTest, TheSameCellAlwaysLooksTheSame) {
    Sheets& s = game().sheets;
    s.map_c.fillRect(0, 48, 63, 111, 0x40A040);   // grass
    s.map_c.fillRect(0, 112, 63, 175, 0xF0A0F0);  // flowers
    drawAroundFeet(20.0, 20.0);
    Pixels first = game().sheets.PIC_U.pixels();
    int flowers = 0;
    for (uint32_t p : first.data) flowers += p == 0xF0A0F0;
    EXPECT_GT(flowers, 0) << "some grass cells flower";
    drawAroundFeet(20.0, 20.0);
    EXPECT_EQ(game().sheets.PIC_U.pixels().data, first.data);
}

TEST_F(RendererTest, AWallInFrontCoversTheHeroAWallBehindDoesNot) {
    terrain(20, 21, 1);
    drawAroundFeet(20.5, 20.875);
    DrawHero(game());
    EXPECT_EQ(game().Pic.at(163, 140), kWall) << "the wall south of the hero stands in front of him";

    terrain(20, 21, 10);
    terrain(20, 19, 1);
    drawAroundFeet(20.5, 20.125);
    DrawHero(game());
    EXPECT_EQ(game().Pic.at(163, 140), kHero) << "the wall north of the hero is behind him";
    EXPECT_EQ(game().Pic.at(163, 110), kWall);
}

TEST_F(RendererTest, TheHeroIsHiddenUnderTheCanopy) {
    drawAroundFeet(20.5, 20.5);
    DrawHero(game());
    EXPECT_EQ(game().Pic.at(163, 150), kHero);
    terrain(20, 20, 2);
    drawAroundFeet(20.5, 20.5);
    DrawHero(game());
    EXPECT_NE(game().Pic.at(163, 150), kHero);
}

TEST_F(RendererTest, EventObjectsGrowWithTheRow) {
    Sheets& s = game().sheets;
    s.item_c.fillRect(320, 0, 339, 19, 0x808080);  // code 17, the stone
    s.item_c.fillRect(320, 20, 339, 39, 0);
    terrain(0, 0, 60, 60, 6);
    game().map.setEvent(20, 17, 17);
    game().map.setEvent(20, 22, 17);
    drawAroundFeet(20.0, 20.0);
    auto width = [&](int y) {
        int n = 0;
        for (int x = 0; x < kLayerSize; ++x) n += ground(x, y) == 0x808080;
        return n;
    };
    EXPECT_EQ(width(CellRectangle(0, -3, 0, 0).y0 + 3), 2 * -2 + 25);
    EXPECT_EQ(width(CellRectangle(0, 2, 0, 0).y0 + 3), 2 * 3 + 25);
    EXPECT_EQ(ground(160 + 5, CellRectangle(0, 2, 0, 0).y0), 0x808080u);
}

TEST_F(RendererTest, TheSpringFadeLightensTheField) {
    terrain(0, 0, 60, 60, 6);
    drawAroundFeet(20.5, 20.5);
    game().Pic.setBackColour(0x808080);
    DrawHeroLight(game());
    EXPECT_EQ(game().Pic.at(100, 250), kDirt | 0x808080u);
    EXPECT_EQ(game().Pic.at(163, 150), kHero ^ (kDirt | 0x808080u));
}

}  // namespace
}  // namespace zanbora::testing
