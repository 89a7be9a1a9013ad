// Every picture the game loads from cg/ is there, at the size the code relies on,
// with its cells filled where the game reads them and black where it paints with OR.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "ArtFiles.h"

using arttest::Brightest;
using arttest::Lit;
using arttest::Load;

namespace {

struct Expected {
    const char* name;
    int width, height;
};

std::string MonsterName(int n) {
    char name[16];
    std::snprintf(name, sizeof name, "mons%02d.bmp", n);
    return name;
}

}  // namespace

TEST(ArtFiles, EveryFileHasItsSize) {
    const Expected files[] = {{"map_c.bmp", 400, 360},  {"chr3.bmp", 80, 180},    {"chr_m.bmp", 320, 256},
                              {"item_c.bmp", 900, 40},  {"ch.bmp", 400, 360},     {"effect.bmp", 320, 256},
                              {"circle.bmp", 200, 200}, {"banner.jpg", 201, 40},  {"title.jpg", 512, 350},
                              {"door.jpg", 100, 300},   {"door2.jpg", 100, 300},  {"etc01.bmp", 300, 300}};
    for (const Expected& e : files) {
        const auto p = Load(e.name);
        EXPECT_EQ(p.width, e.width) << e.name;
        EXPECT_EQ(p.height, e.height) << e.name;
    }
    for (int n = 1; n <= 28; ++n) {
        const auto p = Load(MonsterName(n));
        EXPECT_EQ(p.width, 100) << MonsterName(n);
        EXPECT_EQ(p.height, 300) << MonsterName(n);
    }
}

TEST(ArtFiles, MonstersAreThreeAnimatedFramesOnPureBlack) {
    for (int n = 1; n <= 28; ++n) {
        const auto p = Load(MonsterName(n));
        for (int f = 0; f < 3; ++f) {
            const int y = 100 * f;
            // a figure of its own in every frame, not a speck and not a filled box
            const int lit = Lit(p, 0, y, 100, 100);
            EXPECT_GT(lit, 1500) << MonsterName(n) << " frame " << f;
            EXPECT_LT(lit, 9000) << MonsterName(n) << " frame " << f;
            // the corners are the pure black the OR paint needs
            for (auto [cx, cy] : {std::pair{0, 0}, {97, 0}, {0, 97}, {97, 97}})
                EXPECT_EQ(Lit(p, cx, y + cy, 3, 3), 0) << MonsterName(n) << " frame " << f;
        }
        // the frames move
        int changed = 0;
        for (int y = 0; y < 100; ++y)
            for (int x = 0; x < 100; ++x) changed += p.at(x, y) != p.at(x, y + 100) || p.at(x, y + 100) != p.at(x, y + 200);
        EXPECT_GT(changed, 30) << MonsterName(n) << " does not animate";
    }
}

TEST(ArtFiles, TheDarkHeroIsDarkerThanTheFakeBean) {
    // mons18 is the hero in shadow; mons13 the bean in the wrong colour
    auto average = [](const zanbora::Pixels& p) {
        double sum = 0;
        int n = 0;
        for (int y = 0; y < 100; ++y)
            for (int x = 0; x < 100; ++x)
                if (uint32_t c = p.at(x, y)) {
                    sum += (c >> 16 & 255) + (c >> 8 & 255) + (c & 255);
                    ++n;
                }
        return sum / std::max(n, 1);
    };
    EXPECT_LT(average(Load("mons18.bmp")), 0.6 * average(Load("mons13.bmp")));
}

TEST(ArtFiles, BattleMasterCellsAreDrawn) {
    const auto m = Load("chr_m.bmp");
    EXPECT_GT(Lit(m, 0, 0, 16, 16), 40) << "pointer";
    EXPECT_GT(Lit(m, 0, 64, 16, 16), 40) << "pointer, second frame";
    int pointerDiff = 0;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) pointerDiff += m.at(x, y) != m.at(x, y + 64);
    EXPECT_GT(pointerDiff, 10) << "the pointer's two frames differ";
    EXPECT_GT(Lit(m, 0, 16, 64, 32), 200) << "miss picture";
    for (int i = 0; i < 5; ++i) EXPECT_GT(Lit(m, 16 + 32 * i, 0, 32, 16), 30) << "label " << i;
    EXPECT_EQ(Lit(m, 128, 112, 16, 16), 256) << "race band fills its cell";
    // the default strip and the job strips: idle frames at offsets 0, 64, 128
    const std::pair<int, int> strips[] = {{160, 96},  {0, 160},   {160, 160}, {0, 192},
                                          {160, 192}, {0, 224},   {160, 224}, {160, 128}};
    for (auto [sx, sy] : strips)
        for (int off : {0, 64, 128}) EXPECT_GT(Lit(m, sx + off, sy, 32, 32), 250) << sx << "," << sy << "+" << off;
    for (int cx : {192, 224, 256}) EXPECT_GT(Lit(m, cx, 160, 32, 32), 250) << "companion at " << cx;
}

TEST(ArtFiles, HeroBattleBaseKeepsItsOwnRowsBelowTheCopy) {
    const auto ch = Load("ch.bmp");
    EXPECT_EQ(Lit(ch, 0, 0, 400, 256), 0) << "rows 0..255 are chr_m's, left black here";
    for (int i = 0; i < 5; ++i) EXPECT_GT(Lit(ch, 32 * i, 256, 32, 32), 150) << "wheel icon " << i;
    for (int k = 0; k < 10; ++k) {
        EXPECT_GT(Lit(ch, 40 * k, 320, 40, 40), 200) << "mascot figure " << k;
        EXPECT_EQ(Lit(ch, 40 * k, 320, 1, 1), 0) << "mascot figure " << k << " lies on black";
    }
}

TEST(ArtFiles, FieldSheetCellsWhereTheRendererReadsThem) {
    const auto m = Load("map_c.bmp");
    // ground textures are opaque all over (they are copied, not masked)
    const std::pair<int, int> ground[] = {{0, 48}, {0, 112}, {0, 176}, {64, 0}, {64, 64}, {64, 128}, {64, 192}};
    for (auto [x, y] : ground) EXPECT_EQ(Lit(m, x, y, 64, 64), 64 * 64) << "texture at " << x << "," << y;
    for (int p = 0; p < 4; ++p) EXPECT_EQ(Lit(m, 160 + 48 * p, 0, 48, 64), 48 * 64) << "sea frame " << p;
    // the sea moves from frame to frame
    int differ = 0;
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 48; ++x) differ += m.at(160 + x, y) != m.at(208 + x, y);
    EXPECT_GT(differ, 200);
    EXPECT_GT(Lit(m, 228, 195, 122, 130), 2500) << "SimBone skeleton";
    EXPECT_GT(Lit(m, 0, 280, 40, 40), 600) << "mascot not owned";
    EXPECT_GT(Lit(m, 40, 280, 40, 40), 600) << "remove mascot";
    for (int k = 0; k < 10; ++k) {
        EXPECT_GT(Lit(m, 40 * k, 320, 40, 40), 900) << "mascot icon " << k;
        EXPECT_EQ(Lit(m, 40 * k, 320, 40, 5), 0) << "the bone picture's last rows overlap icon " << k;
    }
}

TEST(ArtFiles, SlashFramesOfTheAttackScene) {
    const auto e = Load("effect.bmp");
    EXPECT_EQ(Lit(e, 0, 224, 32, 32), 0);
    for (int i = 1; i <= 7; ++i) EXPECT_GT(Lit(e, 32 * i, 224, 32, 32), 20) << "slash frame " << i;
    for (int row = 0; row < 7; ++row)
        for (int i = 0; i < 8; ++i) EXPECT_GT(Lit(e, 32 * i, 32 * row, 32, 32), 15) << "effect row " << row << " frame " << i;
}

TEST(ArtFiles, DoorsLieOnBlackForTheBattleDrawing) {
    for (const char* name : {"door.jpg", "door2.jpg"}) {
        const auto d = Load(name);
        for (int f = 0; f < 3; ++f) {
            EXPECT_LE(Brightest(d, 0, 100 * f, 8, 8), 6) << name << " frame " << f;
            EXPECT_LE(Brightest(d, 92, 100 * f, 8, 8), 6) << name << " frame " << f;
            EXPECT_GT(Lit(d, 0, 100 * f, 100, 100), 2500) << name << " frame " << f;
        }
    }
}

TEST(ArtFiles, TitlePicturesAreNotBlank) {
    const auto t = Load("title.jpg");
    EXPECT_GT(Lit(t, 0, 0, 512, 350), 512 * 350 * 9 / 10);
    // the caption: bright letters across the upper middle
    int bright = 0;
    for (int y = 50; y < 110; ++y)
        for (int x = 60; x < 452; ++x) bright += (t.at(x, y) >> 16 & 255) > 200 && (t.at(x, y) >> 8 & 255) > 120;
    EXPECT_GT(bright, 2000);
    EXPECT_GT(Lit(Load("circle.bmp"), 0, 0, 200, 200), 20000);
    EXPECT_GT(Lit(Load("banner.jpg"), 0, 0, 201, 40), 5000);
    EXPECT_GT(Lit(Load("etc01.bmp"), 0, 0, 300, 300), 60000);
}

namespace {

// Pixels that differ between two same-sized rectangles of two pictures.
int Differing(const zanbora::Pixels& a, int ax, int ay, const zanbora::Pixels& b, int bx, int by, int w, int h) {
    int d = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) d += a.at(ax + x, ay + y) != b.at(bx + x, by + y);
    return d;
}

}  // namespace

TEST(ArtFiles, EveryOpponentHasAPictureOfItsOwn) {
    std::vector<zanbora::Pixels> pics;
    for (int n = 1; n <= 28; ++n) pics.push_back(Load(MonsterName(n)));
    for (int i = 0; i < 28; ++i)
        for (int j = i + 1; j < 28; ++j)
            EXPECT_GT(Differing(pics[i], 0, 0, pics[j], 0, 0, 100, 100), 1500)
                << MonsterName(i + 1) << " looks like " << MonsterName(j + 1);
}

TEST(ArtFiles, EveryJobHasItsOwnLook) {
    const auto m = Load("chr_m.bmp");
    const std::pair<int, int> strips[] = {{160, 96}, {0, 160},   {160, 160}, {0, 192},
                                          {160, 192}, {0, 224}, {160, 224}, {160, 128}};
    for (size_t i = 0; i < std::size(strips); ++i)
        for (size_t j = i + 1; j < std::size(strips); ++j)
            EXPECT_GT(Differing(m, strips[i].first, strips[i].second, m, strips[j].first, strips[j].second, 32, 32), 60)
                << "strips " << i << " and " << j << " share a picture";
}

TEST(ArtFiles, MedalsAndMascotIconsTellTheMascotsApart) {
    const auto item = Load("item_c.bmp");
    const auto map = Load("map_c.bmp");
    const auto ch = Load("ch.bmp");
    for (int a = 0; a < 10; ++a)
        for (int b = a + 1; b < 10; ++b) {
            EXPECT_GT(Differing(item, 20 * (35 + a), 0, item, 20 * (35 + b), 0, 20, 20), 10) << "medals " << a << ", " << b;
            EXPECT_GT(Differing(map, 40 * a, 320, map, 40 * b, 320, 40, 40), 100) << "icons " << a << ", " << b;
            EXPECT_GT(Differing(ch, 40 * a, 320, ch, 40 * b, 320, 40, 40), 100) << "figures " << a << ", " << b;
        }
    // the icons of owned mascots are not the not-owned icon
    for (int k = 0; k < 10; ++k) EXPECT_GT(Differing(map, 40 * k, 320, map, 0, 280, 40, 40), 300) << k;
}
