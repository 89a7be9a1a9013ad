#include "platform/FastForwardMark.h"

#include <algorithm>

namespace zanbora {

namespace {
constexpr int kTriangleHeight = 17;
constexpr int kTriangleWidth = kTriangleHeight / 2 + 1;
constexpr int kGap = 2;
constexpr int kMarkWidth = 2 * kTriangleWidth + kGap;
}  // namespace

std::vector<SDL_Rect> FastForwardMarkRows() {
    std::vector<SDL_Rect> rows;
    const int left = kFastForwardMarkRight - kMarkWidth;
    for (int triangle = 0; triangle < 2; ++triangle) {
        const int x = left + triangle * (kTriangleWidth + kGap);
        for (int y = 0; y < kTriangleHeight; ++y) {
            // Widest in the middle row: the point of the triangle.
            const int width = 1 + std::min(y, kTriangleHeight - 1 - y);
            rows.push_back(SDL_Rect{x, kFastForwardMarkTop + y, width, 1});
        }
    }
    return rows;
}

void DrawFastForwardMark(SDL_Renderer* renderer) {
    static const std::vector<SDL_Rect> rows = FastForwardMarkRows();
    SDL_SetRenderDrawColor(renderer, 220, 220, 220, 255);
    SDL_RenderFillRects(renderer, rows.data(), int(rows.size()));
}

}  // namespace zanbora
