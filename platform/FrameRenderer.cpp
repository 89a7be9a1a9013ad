#include "platform/FrameRenderer.h"

namespace zanbora {

SDL_Renderer* CreateFrameRenderer(SDL_Window* window) {
    // A normal-priority hint: the environment variable of the same name wins.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    if (SDL_Renderer* software = SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE)) return software;
    if (SDL_Renderer* accelerated = SDL_CreateRenderer(window, -1, SDL_RENDERER_ACCELERATED)) return accelerated;
    return nullptr;
}

}  // namespace zanbora
