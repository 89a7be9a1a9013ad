// The fast fills and block copies against the plain rules they stand for,
// pixel by pixel: the destination clips, the source reads black outside,
// and every raster operation gives exactly what one pixel at a time gives.
#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <utility>
#include <vector>

#include "game/core/PixelRows.h"
#include "game/core/Raster.h"
#include "game/core/Surface.h"

using namespace zanbora;

namespace {

uint32_t Apply(Rop rop, uint32_t out, uint32_t s) {
    switch (rop) {
        case Rop::Copy: return s;
        case Rop::And: return out & s;
        case Rop::Or: return out | s;
        case Rop::Xor: return out ^ s;
    }
    return out;
}

Surface Noise(std::mt19937& random, int w, int h) {
    Surface s(w, h);
    for (uint32_t& p : s.pixels().data) p = random() & 0xFFFFFF;
    return s;
}

// A block copy one pixel at a time.
void PlainBlt(Surface& dst, int x, int y, int w, int h, const Surface& src, int sx, int sy, Rop rop) {
    for (int j = 0; j < h; ++j)
        for (int i = 0; i < w; ++i)
            if (dst.pixels().contains(x + i, y + j))
                dst.pixels().at(x + i, y + j) = Apply(rop, dst.pixels().at(x + i, y + j), src.at(sx + i, sy + j));
}

constexpr Rop kRops[] = {Rop::Copy, Rop::And, Rop::Or, Rop::Xor};

}  // namespace

TEST(PixelRows, BlockCopiesOfEveryOperationMatchOnePixelAtATimeWhereverTheyClip) {
    std::mt19937 random(7);
    std::uniform_int_distribution<int> place(-40, 60), size(0, 50);
    for (int round = 0; round < 400; ++round) {
        const Surface src = Noise(random, 1 + size(random), 1 + size(random));
        Surface fast = Noise(random, 1 + size(random), 1 + size(random));
        Surface plain = fast;
        const int x = place(random), y = place(random), w = size(random), h = size(random);
        const int sx = place(random), sy = place(random);
        const Rop rop = kRops[round % 4];
        fast.blt(x, y, w, h, src, sx, sy, rop);
        PlainBlt(plain, x, y, w, h, src, sx, sy, rop);
        ASSERT_EQ(fast.pixels().data, plain.pixels().data)
            << "round " << round << ": " << w << "x" << h << " at " << x << "," << y << " from " << sx << "," << sy;
    }
}

TEST(PixelRows, TheMaskAndTheSpriteInOnePassMatchAnAndThenAnOr) {
    std::mt19937 random(11);
    std::uniform_int_distribution<int> place(-30, 40), size(0, 40);
    for (int round = 0; round < 300; ++round) {
        const Surface mask = Noise(random, 1 + size(random), 1 + size(random));
        const Surface paint = Noise(random, 1 + size(random), 1 + size(random));
        Surface fast = Noise(random, 1 + size(random), 1 + size(random));
        Surface plain = fast;
        const int x = place(random), y = place(random), w = size(random), h = size(random);
        const int mx = place(random), my = place(random), px = place(random), py = place(random);
        MaskPaintBlt(fast, x, y, w, h, mask, mx, my, paint, px, py);
        PlainBlt(plain, x, y, w, h, mask, mx, my, Rop::And);
        PlainBlt(plain, x, y, w, h, paint, px, py, Rop::Or);
        ASSERT_EQ(fast.pixels().data, plain.pixels().data) << "round " << round;
    }
}

TEST(PixelRows, StretchedMaskAndSpriteMatchOnePixelAtATime) {
    std::mt19937 random(5);
    std::uniform_int_distribution<int> place(-30, 50), size(1, 60);
    for (int round = 0; round < 300; ++round) {
        const Surface sheet = Noise(random, size(random), size(random));
        Surface fast = Noise(random, size(random), size(random));
        Surface plain = fast;
        const int x = place(random), y = place(random), w = size(random), h = size(random);
        const int mx = place(random) / 2, my = place(random) / 2, px = place(random) / 2, py = place(random) / 2;
        const int sw = size(random) / 2 + 1, sh = size(random) / 2 + 1;
        MaskPaintStretch(fast, x, y, w, h, sheet, mx, my, px, py, sw, sh);
        for (int j = 0; j < h; ++j) {
            for (int i = 0; i < w; ++i) {
                if (!plain.pixels().contains(x + i, y + j)) continue;
                const int u = int(int64_t(i) * sw / w), v = int(int64_t(j) * sh / h);
                uint32_t& o = plain.pixels().at(x + i, y + j);
                o = (o & sheet.at(mx + u, my + v)) | sheet.at(px + u, py + v);
            }
        }
        ASSERT_EQ(fast.pixels().data, plain.pixels().data) << "round " << round;
    }
}

TEST(PixelRows, FillsCoverTheirRunExactlyInEveryColour) {
    for (uint32_t colour : {0x000000u, 0xFFFFFFu, 0x123456u, 0xFFFFFFFFu, 0x010101u}) {
        for (size_t n : {0u, 1u, 7u, 63u, 64u, 65u, 129u, 1000u}) {
            std::vector<uint32_t> row(n + 2, 0xABCDEF);
            FillPixels(row.data() + 1, n, colour);
            EXPECT_EQ(row.front(), 0xABCDEFu);
            EXPECT_EQ(row.back(), 0xABCDEFu);
            for (size_t i = 1; i <= n; ++i) ASSERT_EQ(row[i], colour) << "colour " << colour << ", n " << n << ", i " << i;
        }
    }
}

TEST(PixelRows, OverlappingRunsGiveWhatLeftToRightGives) {
    for (Rop rop : kRops) {
        std::vector<uint32_t> fast(40), plain;
        for (size_t i = 0; i < fast.size(); ++i) fast[i] = uint32_t(i * 0x010203 + 5);
        plain = fast;
        CombinePixels(fast.data() + 3, fast.data(), 30, rop);  // the source runs into what it writes
        for (size_t i = 0; i < 30; ++i) plain[i + 3] = Apply(rop, plain[i + 3], plain[i]);
        EXPECT_EQ(fast, plain) << int(rop);
    }
    std::vector<uint32_t> fast(20, 0x00FF00), plain;
    for (size_t i = 0; i < fast.size(); ++i) fast[i] |= uint32_t(i);
    plain = fast;
    MaskPaintPixels(fast.data() + 1, fast.data(), fast.data() + 2, 16);
    for (size_t i = 0; i < 16; ++i) plain[i + 1] = (plain[i + 1] & plain[i]) | plain[i + 2];
    EXPECT_EQ(fast, plain);
}

TEST(PixelRows, ClearingRestoresABackgroundOfAnySizeAndFillsBeyondIt) {
    std::mt19937 random(3);
    for (auto [bw, bh] : {std::pair{10, 6}, std::pair{30, 20}, std::pair{0, 0}, std::pair{20, 3}}) {
        Surface surface = Noise(random, 20, 12);
        const Surface picture = Noise(random, bw, bh);
        surface.setBackColour(0x445566);
        surface.setBackground(picture.pixels());
        surface.clear();
        for (int y = 0; y < 12; ++y)
            for (int x = 0; x < 20; ++x)
                ASSERT_EQ(surface.at(x, y), picture.pixels().contains(x, y) ? picture.at(x, y) : 0x445566u)
                    << bw << "x" << bh << " at " << x << "," << y;
    }
}

TEST(PixelRows, TextMasksBlendOnlyWhereTheyLandOnTheSurface) {
    Pixels mask(6, 5);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 6; ++x) mask.at(x, y) = uint32_t((x * 60 + y * 25) % 256);
    for (auto [x, y] : {std::pair{-3, -2}, std::pair{5, 4}, std::pair{1, 1}, std::pair{-10, 0}}) {
        Surface surface(8, 7, 0x102030);
        surface.blendMask(x, y, mask, 0xF0E0D0);
        for (int j = 0; j < 7; ++j) {
            for (int i = 0; i < 8; ++i) {
                const uint32_t a = mask.contains(i - x, j - y) ? mask.at(i - x, j - y) & 255 : 0;
                uint32_t want = 0x102030;
                if (a == 255) want = 0xF0E0D0;
                else if (a > 0)
                    want = (((0x10 * (255 - a) + 0xF0 * a) / 255) << 16) | (((0x20 * (255 - a) + 0xE0 * a) / 255) << 8) |
                           ((0x30 * (255 - a) + 0xD0 * a) / 255);
                ASSERT_EQ(surface.at(i, j), want) << "mask at " << x << "," << y << ", pixel " << i << "," << j;
            }
        }
    }
}

TEST(PixelRows, CopiesOfAPictureAreWholeAndIndependent) {
    std::mt19937 random(9);
    const Surface original = Noise(random, 13, 7);
    Pixels copy = original.pixels();
    EXPECT_EQ(copy.width, 13);
    EXPECT_EQ(copy.height, 7);
    EXPECT_EQ(copy.data, original.pixels().data);
    copy.at(3, 3) ^= 0xFFFFFF;
    EXPECT_NE(copy.at(3, 3), original.at(3, 3));

    Pixels other(40, 2, 0x111111);  // a different size is replaced whole
    other = original.pixels();
    EXPECT_EQ(other.width, 13);
    EXPECT_EQ(other.data, original.pixels().data);
    const Pixels& same = other;
    other = same;  // onto itself: unchanged
    EXPECT_EQ(other.data, original.pixels().data);
    other = Pixels();
    EXPECT_TRUE(other.data.empty());
    EXPECT_EQ(Pixels(Pixels()).width, 0);
}
