#pragma once
// Form2, the window of full-screen play: borderless, covering the primary
// display, showing the 640 x 480 picture with the game screen at (56, 56).
// When the display is not 640 x 480 the picture is scaled to fit it,
// keeping its shape, with black bars.
#include <SDL.h>

#include "platform/Pixels.h"

namespace zanbora {

class SdlFullScreen {
public:
    SdlFullScreen() = default;
    SdlFullScreen(const SdlFullScreen&) = delete;
    SdlFullScreen& operator=(const SdlFullScreen&) = delete;
    ~SdlFullScreen();

    // Opens and raises the window; false (with the reason on stderr) if it
    // cannot be opened.
    bool open();
    // Shows a finished 512 x 350 frame.
    void present(const Pixels& frame);
    // The fast-forward mark shows from the next frame on.
    void showFastForward(bool on) { fastForward_ = on; }
    // The display now runs at width x height: cover exactly that.
    void fit(int width, int height);
    SDL_Window* window() const { return window_; }

private:
    SDL_Window* window_ = nullptr;
    SDL_Renderer* renderer_ = nullptr;
    SDL_Texture* screen_ = nullptr;
    bool fastForward_ = false;
};

}  // namespace zanbora
