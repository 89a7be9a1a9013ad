#include "platform/KeyMapping.h"

#include <SDL.h>

#include "platform/KeyCodes.h"

namespace zanbora {

int VirtualKeyFromSdl(int sdlKeycode) {
    switch (sdlKeycode) {
        case SDLK_LALT:
        case SDLK_RALT: return vk::Alt;
        case SDLK_F4: return vk::F4;
        default: return 0;
    }
}

}  // namespace zanbora
