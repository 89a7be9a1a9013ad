#pragma once
// The fast-forward mark "▶▶": two triangles pointing right, in the top-right
// corner of the 640 x 480 canvas, above the game's picture in the window
// (at 64, 64) and in full-screen play (at 56, 56). Drawn as filled rows, so
// it looks the same whatever fonts the machine has.
#include <SDL.h>

#include <vector>

namespace zanbora {

constexpr int kFastForwardMarkRight = 624;  // one past its last column
constexpr int kFastForwardMarkTop = 20;

// The mark's rows on the canvas, one pixel high each.
std::vector<SDL_Rect> FastForwardMarkRows();

// Draws the mark onto a renderer whose logical size is the canvas.
void DrawFastForwardMark(SDL_Renderer* renderer);

}  // namespace zanbora
