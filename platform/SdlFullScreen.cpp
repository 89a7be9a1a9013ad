#include "platform/SdlFullScreen.h"

#include <cstdio>

#include "platform/FastForwardMark.h"
#include "platform/FrameRenderer.h"
#include "platform/TextureUpload.h"

namespace zanbora {

namespace {
constexpr int kPictureWidth = 640;
constexpr int kPictureHeight = 480;
constexpr int kScreenX = 56;
constexpr int kScreenY = 56;
constexpr int kScreenWidth = 512;
constexpr int kScreenHeight = 350;
// The display whose mode the game switches: SDL lists the primary first.
constexpr int kPrimaryDisplay = 0;
}  // namespace

SdlFullScreen::~SdlFullScreen() {
    // SDL_Quit has already taken the window (and its renderer) with it.
    if (!SDL_WasInit(SDL_INIT_VIDEO)) return;
    if (screen_) SDL_DestroyTexture(screen_);
    if (renderer_) SDL_DestroyRenderer(renderer_);
    if (window_) SDL_DestroyWindow(window_);
}

bool SdlFullScreen::open() {
    SDL_Rect bounds{0, 0, kPictureWidth, kPictureHeight};
    SDL_GetDisplayBounds(kPrimaryDisplay, &bounds);
    window_ = SDL_CreateWindow("ザンボラ戦記", bounds.x, bounds.y, bounds.w, bounds.h,
                               SDL_WINDOW_BORDERLESS | SDL_WINDOW_SHOWN);
    if (window_) renderer_ = CreateFrameRenderer(window_);
    if (renderer_) {
        SDL_RenderSetLogicalSize(renderer_, kPictureWidth, kPictureHeight);
        screen_ = SDL_CreateTexture(renderer_, kFrameTextureFormat, SDL_TEXTUREACCESS_STREAMING, kScreenWidth,
                                    kScreenHeight);
    }
    if (!screen_) {
        std::fprintf(stderr, "ZANBORA: cannot open the full-screen window: %s\n", SDL_GetError());
        return false;
    }
    SDL_RaiseWindow(window_);
    present(Pixels(kScreenWidth, kScreenHeight));
    return true;
}

void SdlFullScreen::present(const Pixels& frame) {
    if (!screen_) return;
    UploadRows(screen_, kScreenWidth, kScreenHeight, frame, 0, kScreenHeight);
    SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
    SDL_RenderClear(renderer_);
    const SDL_Rect where{kScreenX, kScreenY, kScreenWidth, kScreenHeight};
    SDL_RenderCopy(renderer_, screen_, nullptr, &where);
    if (fastForward_) DrawFastForwardMark(renderer_);
    SDL_RenderPresent(renderer_);
}

void SdlFullScreen::fit(int width, int height) {
    if (!window_ || width <= 0 || height <= 0) return;
    // The switched output keeps its place on the desktop.
    int x = 0, y = 0;
    SDL_GetWindowPosition(window_, &x, &y);
    SDL_SetWindowSize(window_, width, height);
    SDL_SetWindowPosition(window_, x, y);
    SDL_RaiseWindow(window_);
}

}  // namespace zanbora
