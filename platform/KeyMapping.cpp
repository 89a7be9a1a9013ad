#include "platform/KeyMapping.h"

#include <SDL.h>

#include "platform/KeyCodes.h"

namespace zanbora {

int VirtualKeyFromSdl(int sdlKeycode) {
    switch (sdlKeycode) {
        case SDLK_LALT:
        case SDLK_RALT: return vk::Alt;
        case SDLK_F4: return vk::F4;
        case SDLK_BACKSPACE: return vk::Backspace;
        case SDLK_TAB: return vk::Tab;
        case SDLK_DELETE: return vk::Delete;
        case SDLK_HOME: return vk::Home;
        case SDLK_END: return vk::End;
        case SDLK_PAGEUP: return vk::PageUp;
        case SDLK_PAGEDOWN: return vk::PageDown;
        default: return 0;
    }
}

int PlainVirtualKey(int sdlKeycode) {
    switch (sdlKeycode) {
        case SDLK_LEFT: return vk::Left;
        case SDLK_UP: return vk::Up;
        case SDLK_RIGHT: return vk::Right;
        case SDLK_DOWN: return vk::Down;
        case SDLK_RETURN:
        case SDLK_KP_ENTER: return vk::Enter;
        case SDLK_SPACE: return vk::Space;
        case SDLK_LSHIFT:
        case SDLK_RSHIFT: return vk::Shift;
        case SDLK_ESCAPE: return vk::Escape;
        default: return VirtualKeyFromSdl(sdlKeycode);
    }
}

}  // namespace zanbora
