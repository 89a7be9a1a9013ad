// libPadPort.so: the game's joystick reader over SDL2's joystick API.
// SDL reports axes as -32768..32767; the game expects the raw 0..65535 range
// with the centre near 32767, so every axis is shifted by 32768.
#include "padport/PadPort.h"

#include <SDL.h>

namespace {

constexpr int kAxisShift = 32768;
constexpr int kButtonBits = 32;
constexpr int kSelectors = 2;

// The joystick each selector opened, by SDL instance id (ids are never
// reused, so an id left over from an unplugged pad matches nothing).
SDL_JoystickID openedBySelector[kSelectors] = {-1, -1};

bool joysticksReady()
{
    return SDL_WasInit(SDL_INIT_JOYSTICK) != 0 || SDL_InitSubSystem(SDL_INIT_JOYSTICK) == 0;
}

void forget(int slot)
{
    if (SDL_Joystick* old = SDL_JoystickFromInstanceID(openedBySelector[slot]))
        SDL_JoystickClose(old);
    openedBySelector[slot] = -1;
}

// The selected joystick with fresh positions, or nullptr when there is none.
SDL_Joystick* selectedJoystick(int32_t selector)
{
    if (!joysticksReady())
        return nullptr;
    // Also finds pads plugged in since the last call.
    SDL_JoystickUpdate();
    const int slot = selector == 0 ? 0 : 1;
    if (slot >= SDL_NumJoysticks()) {
        forget(slot);
        return nullptr;
    }
    const SDL_JoystickID id = SDL_JoystickGetDeviceInstanceID(slot);
    if (openedBySelector[slot] != id) {
        forget(slot);
        if (!SDL_JoystickOpen(slot))
            return nullptr;
        openedBySelector[slot] = id;
        SDL_JoystickUpdate();
    }
    SDL_Joystick* joystick = SDL_JoystickFromInstanceID(id);
    if (!joystick || !SDL_JoystickGetAttached(joystick)) {
        forget(slot);
        return nullptr;
    }
    return joystick;
}

int32_t rawAxis(SDL_Joystick* joystick, int axis)
{
    const int value = axis < SDL_JoystickNumAxes(joystick) ? SDL_JoystickGetAxis(joystick, axis) : 0;
    return value + kAxisShift;
}

uint32_t buttonMask(SDL_Joystick* joystick)
{
    const int count = SDL_JoystickNumButtons(joystick);
    uint32_t mask = 0;
    for (int i = 0; i < count && i < kButtonBits; ++i)
        if (SDL_JoystickGetButton(joystick, i))
            mask |= 1u << i;
    return mask;
}

}  // namespace

extern "C" int32_t CheckJoy(intptr_t, int32_t selector)
{
    return selectedJoystick(selector) ? 0 : -1;
}

extern "C" int32_t GetJoyAxis(int32_t selector, int32_t* x, int32_t* y, int32_t* z)
{
    if (!x || !y || !z)
        return -1;
    SDL_Joystick* joystick = selectedJoystick(selector);
    if (!joystick)
        return -1;
    *x = rawAxis(joystick, 0);
    *y = rawAxis(joystick, 1);
    *z = rawAxis(joystick, 2);
    return 0;
}

extern "C" int32_t GetJoyButton(int32_t selector, uint8_t* buttons, int32_t count)
{
    SDL_Joystick* joystick = selectedJoystick(selector);
    if (!joystick)
        return -1;
    if (count <= 0)
        return 0;
    if (!buttons)
        return -1;
    const uint32_t mask = buttonMask(joystick);
    for (int32_t i = 0; i < count; ++i)
        buttons[i] = (mask >> (i % kButtonBits)) & 1u;
    return 0;
}
