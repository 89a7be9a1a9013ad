#include <gtest/gtest.h>

#include "game/core/Surface.h"

using namespace zanbora;

namespace {

// A 4 x 4 sprite: a red plus on black, its mask black on the plus, white elsewhere.
void DrawPlus(Surface& sprite, Surface& mask) {
    sprite = Surface(4, 4, 0);
    mask = Surface(4, 4, 0xFFFFFF);
    for (int i = 0; i < 4; ++i) {
        sprite.pixels().at(1, i) = sprite.pixels().at(i, 1) = 0xC02010;
        mask.pixels().at(1, i) = mask.pixels().at(i, 1) = 0;
    }
}

}  // namespace

TEST(Surface, MaskAndThenSpriteXorLeavesTheBackgroundAndPaintsTheSpriteExactly) {
    Surface sprite, mask;
    DrawPlus(sprite, mask);
    Surface dest(10, 10);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x) dest.pixels().at(x, y) = 0x123456 + uint32_t(x * 37 + y * 1001);
    const Surface before = dest;
    dest.blt(3, 3, 4, 4, mask, 0, 0, Rop::And);
    dest.blt(3, 3, 4, 4, sprite, 0, 0, Rop::Xor);
    for (int y = 0; y < 10; ++y) {
        for (int x = 0; x < 10; ++x) {
            bool inPlus = x >= 3 && x < 7 && y >= 3 && y < 7 && (x == 4 || y == 4);
            EXPECT_EQ(dest.at(x, y), inPlus ? 0xC02010u : before.at(x, y)) << x << "," << y;
        }
    }
}

TEST(Surface, OrPaintsOntoBlackAndCopyReplaces) {
    Surface dest(2, 1, 0);
    dest.pixels().at(1, 0) = 0x0000FF;
    Surface src(2, 1, 0xFF0000);
    dest.blt(0, 0, 2, 1, src, 0, 0, Rop::Or);
    EXPECT_EQ(dest.at(0, 0), 0xFF0000u);
    EXPECT_EQ(dest.at(1, 0), 0xFF00FFu);
    dest.blt(0, 0, 2, 1, src, 0, 0, Rop::Copy);
    EXPECT_EQ(dest.at(1, 0), 0xFF0000u);
}

TEST(Surface, ReadsOutsideTheSourceAreBlackAndWritesOutsideTheDestinationAreDropped) {
    Surface src(4, 4, 0xFFFFFF);
    Surface dest(6, 6, 0x808080);
    dest.blt(-2, 2, 6, 6, src, 2, 0, Rop::Copy);  // half the source lies off its right edge
    EXPECT_EQ(dest.at(0, 2), 0u);  // source column 4 lies outside: black
    EXPECT_EQ(dest.at(0, 5), 0u);
    EXPECT_EQ(dest.at(0, 1), 0x808080u);
    Surface tiny(3, 3, 0x808080);
    tiny.blt(0, 0, 3, 3, src, -1, -1, Rop::Copy);
    EXPECT_EQ(tiny.at(0, 0), 0u);
    EXPECT_EQ(tiny.at(1, 1), 0xFFFFFFu);
}

TEST(Surface, StretchScalesByNearestPixel) {
    Surface src(2, 2, 0);
    src.pixels().at(1, 0) = 0xFF0000;
    src.pixels().at(0, 1) = 0x00FF00;
    Surface dest(8, 8, 0x0000FF);
    dest.stretch(2, 2, 4, 4, src, 0, 0, 2, 2);
    EXPECT_EQ(dest.at(2, 2), 0u);
    EXPECT_EQ(dest.at(4, 2), 0xFF0000u);
    EXPECT_EQ(dest.at(5, 3), 0xFF0000u);
    EXPECT_EQ(dest.at(3, 5), 0x00FF00u);
    EXPECT_EQ(dest.at(6, 6), 0x0000FFu);  // outside the target rectangle
    dest.stretch(0, 0, 0, 5, src, 0, 0, 2, 2);  // an empty target draws nothing
}

TEST(Surface, RectanglesIncludeBothCornersInAnyOrder) {
    Surface dest(10, 10, 0);
    dest.fillRect(6, 5, 2, 3, 0xFFFFFF);
    EXPECT_EQ(dest.at(2, 3), 0xFFFFFFu);
    EXPECT_EQ(dest.at(6, 5), 0xFFFFFFu);
    EXPECT_EQ(dest.at(7, 5), 0u);
    EXPECT_EQ(dest.at(2, 6), 0u);
    Surface outline(10, 10, 0);
    outline.rect(1, 1, 8, 8, 0xFFFF00);
    EXPECT_EQ(outline.at(1, 5), 0xFFFF00u);
    EXPECT_EQ(outline.at(8, 8), 0xFFFF00u);
    EXPECT_EQ(outline.at(4, 4), 0u);
    outline.fillRect(-5, -5, 100, 100, 0x00FF00);  // clipped, no overrun
    EXPECT_EQ(outline.at(9, 9), 0x00FF00u);
}

TEST(Surface, ShapesWhollyOutsideThePictureChangeNothing) {
    // The last row is where an index past the right edge would land beyond
    // the pixel buffer itself.
    Surface pic(10, 10, 0x123456);
    pic.fillRect(12, 9, 30, 9, 0xFFFFFF);
    pic.fillRect(12, 0, 30, 12, 0xFFFFFF);
    pic.fillRect(-8, 3, -2, 5, 0xFFFFFF);
    pic.fillRect(2, 10, 5, 14, 0xFFFFFF);
    Surface sprite(4, 4, 0xFFFFFF);
    pic.blt(11, 8, 4, 4, sprite, 0, 0);
    pic.blt(2, 10, 4, 4, sprite, 0, 0);
    pic.blt(-6, 2, 4, 4, sprite, 0, 0);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x) ASSERT_EQ(pic.at(x, y), 0x123456u) << x << ", " << y;
    pic.fillRect(8, 9, 30, 9, 0xFFFFFF);  // partly inside: only the inside is painted
    EXPECT_EQ(pic.at(9, 9), 0xFFFFFFu);
    EXPECT_EQ(pic.at(7, 9), 0x123456u);
}

TEST(Surface, ClearRestoresTheBackgroundPictureElseTheBackColour) {
    Surface pic(4, 4, 0);
    pic.setBackColour(0x404040);
    EXPECT_EQ(pic.at(3, 3), 0x404040u);
    Pixels picture(2, 2, 0xABCDEF);
    pic.setBackground(picture);
    pic.fillRect(0, 0, 3, 3, 0xFFFFFF);
    pic.clear();
    EXPECT_EQ(pic.at(1, 1), 0xABCDEFu);
    EXPECT_EQ(pic.at(3, 3), 0x404040u);  // beyond a smaller picture: the back colour
    pic.removeBackground();
    pic.clear();
    EXPECT_EQ(pic.at(1, 1), 0x404040u);
}

TEST(Surface, TextMasksBlendInTheForeColour) {
    Surface pic(3, 1, 0);
    Pixels mask(3, 1, 0);
    mask.at(0, 0) = 255;
    mask.at(1, 0) = 128;
    pic.blendMask(0, 0, mask, 0xFFFFFF);
    EXPECT_EQ(pic.at(0, 0), 0xFFFFFFu);
    EXPECT_EQ(pic.at(1, 0), 0x808080u);
    EXPECT_EQ(pic.at(2, 0), 0u);
}
