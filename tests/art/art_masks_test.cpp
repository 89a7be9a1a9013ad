// Every mask is pure black exactly where its sprite is not black and pure
// white elsewhere, so the AND pass cuts the sprite's hole and the OR/XOR
// pass fills it without a fringe.
#include <gtest/gtest.h>

#include <string>

#include "ArtFiles.h"

using arttest::Load;

namespace {

// Checks the w x h sprite at (sx, sy) against the mask at (mx, my).
void ExpectMaskMatches(const zanbora::Pixels& sheet, int sx, int sy, int mx, int my, int w, int h,
                       const std::string& what) {
    int wrong = 0, notPure = 0, solid = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const uint32_t s = sheet.at(sx + x, sy + y), m = sheet.at(mx + x, my + y);
            if (m != 0 && m != 0xFFFFFF) ++notPure;
            if ((s != 0) != (m == 0)) ++wrong;
            solid += s != 0;
        }
    EXPECT_EQ(notPure, 0) << what << ": mask pixels other than pure black or white";
    EXPECT_EQ(wrong, 0) << what << ": mask and sprite disagree";
    EXPECT_GT(solid, w * h / 8) << what << ": nearly empty sprite";
}

}  // namespace

TEST(ArtMasks, HeroOnTheField) {
    const auto c = Load("chr3.bmp");
    for (int f = 0; f < 4; ++f)
        for (int n = 0; n < 3; ++n)
            ExpectMaskMatches(c, 20 * f, 60 * n, 20 * f, 60 * n + 30, 20, 30,
                              "chr3 facing " + std::to_string(f) + " frame " + std::to_string(n));
}

TEST(ArtMasks, HeroFacingsAndStepsDiffer) {
    const auto c = Load("chr3.bmp");
    auto differ = [&](int x0, int y0, int x1, int y1) {
        int d = 0;
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 20; ++x) d += c.at(x0 + x, y0 + y) != c.at(x1 + x, y1 + y);
        return d;
    };
    for (int f = 1; f < 4; ++f) EXPECT_GT(differ(0, 0, 20 * f, 0), 20) << "facing " << f << " looks like facing 0";
    for (int f = 0; f < 4; ++f) {
        EXPECT_GT(differ(20 * f, 0, 20 * f, 60), 10) << "facing " << f << ": step 1 looks like standing";
        EXPECT_GT(differ(20 * f, 60, 20 * f, 120), 10) << "facing " << f << ": both steps alike";
    }
}

TEST(ArtMasks, EventObjectsOfTheField) {
    const auto item = Load("item_c.bmp");
    for (int code = 1; code <= 45; ++code)
        ExpectMaskMatches(item, 20 * (code - 1), 0, 20 * (code - 1), 20, 20, 20, "item_c code " + std::to_string(code));
}

TEST(ArtMasks, UpperLayerObjectsOfTheField) {
    const auto m = Load("map_c.bmp");
    const std::pair<int, int> sprites[] = {{160, 64}, {208, 64}, {256, 64}, {304, 64}, {352, 64}, {160, 192}};
    for (auto [x, y] : sprites)
        ExpectMaskMatches(m, x, y, x, y + 64, 48, 64, "map_c object at " + std::to_string(x) + "," + std::to_string(y));
}

TEST(ArtMasks, Racer) {
    const auto m = Load("chr_m.bmp");
    for (int f = 0; f < 2; ++f)
        ExpectMaskMatches(m, 64 + 64 * f, 16, 96 + 64 * f, 16, 32, 32, "racer frame " + std::to_string(f));
}
