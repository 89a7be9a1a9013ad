// The fast-forward mark: two triangles in the canvas's corner, clear of the
// game's picture in the window and in full-screen play.
#include <gtest/gtest.h>

#include <SDL.h>

#include <algorithm>
#include <vector>

#include "platform/FastForwardMark.h"

using namespace zanbora;

namespace {

bool Overlap(const SDL_Rect& a, const SDL_Rect& b) {
    return a.x < b.x + b.w && b.x < a.x + a.w && a.y < b.y + b.h && b.y < a.y + a.h;
}

}  // namespace

TEST(FastForwardMark, LiesOnTheCanvasAndOffThePictureInTheWindowAndFullScreen) {
    const SDL_Rect canvas{0, 0, 640, 480};
    const SDL_Rect window{64, 64, 512, 350};
    const SDL_Rect fullScreen{56, 56, 512, 350};
    const std::vector<SDL_Rect> rows = FastForwardMarkRows();
    ASSERT_FALSE(rows.empty());
    for (const SDL_Rect& row : rows) {
        EXPECT_GE(row.x, canvas.x);
        EXPECT_LE(row.x + row.w, canvas.w);
        EXPECT_GE(row.y, canvas.y);
        EXPECT_FALSE(Overlap(row, window)) << row.x << ", " << row.y;
        EXPECT_FALSE(Overlap(row, fullScreen)) << row.x << ", " << row.y;
    }
}

TEST(FastForwardMark, IsTwoEqualTrianglesPointingRightSideBySide) {
    const std::vector<SDL_Rect> rows = FastForwardMarkRows();
    ASSERT_EQ(rows.size() % 2, 0u);
    const size_t half = rows.size() / 2;
    int rightmost = 0;
    for (size_t i = 0; i < half; ++i) {
        const SDL_Rect& first = rows[i];
        const SDL_Rect& second = rows[half + i];
        EXPECT_EQ(first.y, second.y);
        EXPECT_EQ(first.w, second.w);
        EXPECT_GT(second.x, first.x + first.w) << "a gap between the triangles";
        // Each row starts at the same left edge and mirrors the one as far
        // from the other end: widest in the middle, a point at the right.
        EXPECT_EQ(first.x, rows[0].x);
        EXPECT_EQ(first.w, rows[half - 1 - i].w);
        EXPECT_EQ(first.h, 1);
        rightmost = std::max(rightmost, second.x + second.w);
    }
    EXPECT_EQ(rightmost, kFastForwardMarkRight);
    EXPECT_EQ(rows[0].w, 1);
    EXPECT_GT(rows[half / 2].w, 4);
}
