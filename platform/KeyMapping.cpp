#include "platform/KeyMapping.h"

#include <SDL.h>

#include "platform/KeyCodes.h"

namespace zanbora {

int VirtualKeyFromSdl(int sdlKeycode) {
    switch (sdlKeycode) {
        case SDLK_LEFT: return vk::Left;
        case SDLK_UP: return vk::Up;
        case SDLK_RIGHT: return vk::Right;
        case SDLK_DOWN: return vk::Down;
        case SDLK_z: return vk::Z;
        case SDLK_x: return vk::X;
        case SDLK_ESCAPE: return vk::Escape;
        case SDLK_LSHIFT:
        case SDLK_RSHIFT: return vk::Shift;
        case SDLK_SPACE: return vk::Space;
        case SDLK_RETURN:
        case SDLK_RETURN2:
        case SDLK_KP_ENTER: return vk::Enter;
        case SDLK_LALT:
        case SDLK_RALT: return vk::Alt;
        case SDLK_F4: return vk::F4;
        default: return 0;
    }
}

}  // namespace zanbora
