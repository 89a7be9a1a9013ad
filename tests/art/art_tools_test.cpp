// The generator's own building blocks: files it writes load back exactly,
// masks follow sprites, dithering never turns black into colour or back.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "Image.h"
#include "Paint.h"
#include "platform/ImageLoader.h"
#include "support/BuildPaths.h"

namespace {

std::string TempFile(const char* name) {
    return (std::filesystem::temp_directory_path() / ("zanbora_art_" + std::to_string(::getpid()) + name)).string();
}

}  // namespace

TEST(ArtTools, BmpRoundTripKeepsEveryPixelWithRowPadding) {
    // 201 columns need one padding byte per row; rows are stored bottom-up
    art::Image img(201, 3, 0);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 201; ++x) img.at(x, y) = uint32_t(x * 1237 + y * 977) & 0xFFFFFF;
    img.at(0, 0) = 0xFFFFFF;
    img.at(200, 2) = 0x000000;
    const std::string path = TempFile("round.bmp");
    art::SaveBmp(img, path);
    zanbora::Pixels back;
    ASSERT_TRUE(zanbora::LoadPictureFile(path, back));
    std::filesystem::remove(path);
    ASSERT_EQ(back.width, 201);
    ASSERT_EQ(back.height, 3);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 201; ++x) ASSERT_EQ(back.at(x, y), img.at(x, y)) << x << "," << y;
}

TEST(ArtTools, SaveBmpReportsAnUnwritablePath) {
    EXPECT_THROW(art::SaveBmp(art::Image(2, 2), "/nonexistent-folder/x.bmp"), std::runtime_error);
}

TEST(ArtTools, MaskIsBlackExactlyUnderTheSprite) {
    art::Image sprite(3, 1, 0);
    sprite.at(1, 0) = 0x010000;  // the faintest colour still counts as sprite
    const art::Image mask = art::MaskOf(sprite);
    EXPECT_EQ(mask.at(0, 0), 0xFFFFFFu);
    EXPECT_EQ(mask.at(1, 0), 0u);
    EXPECT_EQ(mask.at(2, 0), 0xFFFFFFu);
}

TEST(ArtTools, DitherKeepsBlackAndNeverMakesBlack) {
    art::Image img(8, 8, 0);
    for (int x = 0; x < 8; ++x) img.at(x, 3) = 0x040404;  // very dark sprite pixels
    const art::Image d = art::Dither(img, 16);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) {
            if (y == 3)
                EXPECT_NE(d.at(x, y), 0u) << x;
            else
                EXPECT_EQ(d.at(x, y), 0u) << x << "," << y;
        }
}

TEST(ArtTools, SpriteOfACanvasHasAnInkOutlineAndNoBlackInside) {
    art::LoadPalette(zanbora::testing::SourceDir() + "/assets/art/palette.txt");
    art::Canvas c(20, 20);
    cairo_rectangle(c.cr(), 5, 5, 10, 10);
    cairo_set_source_rgb(c.cr(), 0, 0, 0);  // a black shape: must not vanish under OR
    cairo_fill(c.cr());
    const art::Image s = c.Sprite();
    EXPECT_EQ(s.at(0, 0), 0u);
    EXPECT_NE(s.at(10, 10), 0u);
    EXPECT_NE(s.at(4, 10), 0u) << "outline";
    EXPECT_EQ(s.at(3, 10), 0u);
}

TEST(ArtTools, UnknownColourNameStopsTheBuild) {
    art::LoadPalette(zanbora::testing::SourceDir() + "/assets/art/palette.txt");
    EXPECT_THROW(art::Col("no-such-colour"), std::runtime_error);
    EXPECT_NO_THROW(art::Col("ink"));
}
