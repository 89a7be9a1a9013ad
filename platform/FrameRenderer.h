#pragma once
// The renderer that puts the game's finished picture into a window.
#include <SDL.h>

namespace zanbora {

// The game draws every pixel itself, so a window needs only a copy of the
// picture, stretched by a whole number. Where the window system takes a
// shared-memory image (X11), SDL's own software renderer does that into it;
// a GL renderer would drive a 3D pipeline for the same copy, and on a machine
// without a GPU driver that pipeline is Mesa's software rasteriser, which
// costs the game ten times as much processor per shown frame. Where there is
// no such image (Wayland), or the player asks for GL through
// SDL_FRAMEBUFFER_ACCELERATION=1, the accelerated renderer. Null (with SDL's
// error) if neither opens.
SDL_Renderer* CreateFrameRenderer(SDL_Window* window);

}  // namespace zanbora
