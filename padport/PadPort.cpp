// libPadPort.so: the game's joystick reader over SDL2.
//
// A pad SDL's game-controller database knows (Xbox, PlayStation, Switch and
// most generic pads, plus any mapping in $SDL_GAMECONTROLLERCONFIG) is read
// by position, whatever its own button numbers:
//   X, Y    left stick, overridden by the d-pad while it is pressed
//   Z       right stick, left-right
//   byte 0  east face button (B, ○): the game's button 1, cancel
//   byte 1  south face button (A, ×): the game's button 2, decide
//   then    west, north, left and right shoulder, back, start, guide,
//           left and right stick press, d-pad up, down, left, right
// Any other joystick is read as it is: axes 0, 1, 2 (hat 0 overrides X and
// Y) and its own button numbers.
//
// SDL reports axes as -32768..32767; the game expects the raw 0..65535 range
// with the centre near 32767, so every axis is shifted by 32768.
//
// Each call first lets SDL look for pads plugged in or pulled out since the
// last call, so a pad plugged in at any time is found by the next CheckJoy.
#include "padport/PadPort.h"

#include <SDL.h>

namespace {

constexpr int kAxisShift = 32768;
constexpr int kAxisMin = 0;
constexpr int kAxisMax = 65535;
constexpr int kButtonBits = 32;
constexpr int kSelectors = 2;

// The game's button order for a pad with a known layout.
constexpr SDL_GameControllerButton kPadButtons[] = {
    SDL_CONTROLLER_BUTTON_B,          SDL_CONTROLLER_BUTTON_A,         SDL_CONTROLLER_BUTTON_X,
    SDL_CONTROLLER_BUTTON_Y,          SDL_CONTROLLER_BUTTON_LEFTSHOULDER,
    SDL_CONTROLLER_BUTTON_RIGHTSHOULDER,
    SDL_CONTROLLER_BUTTON_BACK,       SDL_CONTROLLER_BUTTON_START,     SDL_CONTROLLER_BUTTON_GUIDE,
    SDL_CONTROLLER_BUTTON_LEFTSTICK,  SDL_CONTROLLER_BUTTON_RIGHTSTICK, SDL_CONTROLLER_BUTTON_DPAD_UP,
    SDL_CONTROLLER_BUTTON_DPAD_DOWN,  SDL_CONTROLLER_BUTTON_DPAD_LEFT, SDL_CONTROLLER_BUTTON_DPAD_RIGHT,
};

// What a selector has open. SDL instance ids are never reused, so an id left
// over from an unplugged pad matches nothing.
struct OpenPad {
    SDL_JoystickID id = -1;
    SDL_GameController* pad = nullptr;  // a known layout
    SDL_Joystick* joystick = nullptr;   // always set while open
};
OpenPad opened[kSelectors];

bool padsReady()
{
    if (SDL_WasInit(SDL_INIT_GAMECONTROLLER))
        return true;
    // Buttons by where they sit, not by the letter printed on them: the
    // south button decides on a Nintendo pad as on any other.
    SDL_SetHintWithPriority(SDL_HINT_GAMECONTROLLER_USE_BUTTON_LABELS, "0", SDL_HINT_DEFAULT);
    return SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) == 0;
}

void forget(OpenPad& slot)
{
    if (slot.pad)
        SDL_GameControllerClose(slot.pad);
    else if (slot.joystick)
        SDL_JoystickClose(slot.joystick);
    slot = OpenPad{};
}

bool open(OpenPad& slot, int deviceIndex)
{
    slot.id = SDL_JoystickGetDeviceInstanceID(deviceIndex);
    if (SDL_IsGameController(deviceIndex)) {
        slot.pad = SDL_GameControllerOpen(deviceIndex);
        slot.joystick = slot.pad ? SDL_GameControllerGetJoystick(slot.pad) : nullptr;
    } else {
        slot.joystick = SDL_JoystickOpen(deviceIndex);
    }
    if (!slot.joystick) {
        forget(slot);
        return false;
    }
    SDL_JoystickUpdate();
    return true;
}

// The selected pad with fresh positions, or nullptr when there is none.
OpenPad* selectedPad(int32_t selector)
{
    if (!padsReady())
        return nullptr;
    SDL_JoystickUpdate();  // also notices pads plugged in or pulled out
    OpenPad& slot = opened[selector == 0 ? 0 : 1];
    const int deviceIndex = selector == 0 ? 0 : 1;
    if (deviceIndex >= SDL_NumJoysticks()) {
        forget(slot);
        return nullptr;
    }
    if (slot.id != SDL_JoystickGetDeviceInstanceID(deviceIndex)) {
        forget(slot);
        if (!open(slot, deviceIndex))
            return nullptr;
    }
    if (!SDL_JoystickGetAttached(slot.joystick)) {
        forget(slot);
        return nullptr;
    }
    return &slot;
}

int32_t shifted(int value) { return value + kAxisShift; }

// One axis of a known pad: the d-pad pushed all the way wins over the stick.
int32_t padAxis(SDL_GameController* pad, SDL_GameControllerAxis axis, SDL_GameControllerButton low,
                SDL_GameControllerButton high)
{
    if (SDL_GameControllerGetButton(pad, low))
        return kAxisMin;
    if (SDL_GameControllerGetButton(pad, high))
        return kAxisMax;
    return shifted(SDL_GameControllerGetAxis(pad, axis));
}

int32_t rawAxis(SDL_Joystick* joystick, int axis)
{
    return shifted(axis < SDL_JoystickNumAxes(joystick) ? SDL_JoystickGetAxis(joystick, axis) : 0);
}

void readAxes(const OpenPad& slot, int32_t& x, int32_t& y, int32_t& z)
{
    if (SDL_GameController* pad = slot.pad) {
        x = padAxis(pad, SDL_CONTROLLER_AXIS_LEFTX, SDL_CONTROLLER_BUTTON_DPAD_LEFT, SDL_CONTROLLER_BUTTON_DPAD_RIGHT);
        y = padAxis(pad, SDL_CONTROLLER_AXIS_LEFTY, SDL_CONTROLLER_BUTTON_DPAD_UP, SDL_CONTROLLER_BUTTON_DPAD_DOWN);
        z = shifted(SDL_GameControllerGetAxis(pad, SDL_CONTROLLER_AXIS_RIGHTX));
        return;
    }
    x = rawAxis(slot.joystick, 0);
    y = rawAxis(slot.joystick, 1);
    z = rawAxis(slot.joystick, 2);
    const Uint8 hat = SDL_JoystickNumHats(slot.joystick) > 0 ? SDL_JoystickGetHat(slot.joystick, 0) : 0;
    if (hat & SDL_HAT_LEFT)
        x = kAxisMin;
    if (hat & SDL_HAT_RIGHT)
        x = kAxisMax;
    if (hat & SDL_HAT_UP)
        y = kAxisMin;
    if (hat & SDL_HAT_DOWN)
        y = kAxisMax;
}

uint32_t buttonMask(const OpenPad& slot)
{
    uint32_t mask = 0;
    if (slot.pad) {
        int bit = 0;
        for (SDL_GameControllerButton button : kPadButtons) {
            if (SDL_GameControllerGetButton(slot.pad, button))
                mask |= 1u << bit;
            ++bit;
        }
        return mask;
    }
    const int count = SDL_JoystickNumButtons(slot.joystick);
    for (int i = 0; i < count && i < kButtonBits; ++i)
        if (SDL_JoystickGetButton(slot.joystick, i))
            mask |= 1u << i;
    return mask;
}

}  // namespace

extern "C" int32_t CheckJoy(intptr_t, int32_t selector)
{
    return selectedPad(selector) ? 0 : -1;
}

extern "C" int32_t GetJoyAxis(int32_t selector, int32_t* x, int32_t* y, int32_t* z)
{
    if (!x || !y || !z)
        return -1;
    const OpenPad* slot = selectedPad(selector);
    if (!slot)
        return -1;
    readAxes(*slot, *x, *y, *z);
    return 0;
}

extern "C" int32_t GetJoyButton(int32_t selector, uint8_t* buttons, int32_t count)
{
    const OpenPad* slot = selectedPad(selector);
    if (!slot)
        return -1;
    if (count <= 0)
        return 0;
    if (!buttons)
        return -1;
    const uint32_t mask = buttonMask(*slot);
    for (int32_t i = 0; i < count; ++i)
        buttons[i] = (mask >> (i % kButtonBits)) & 1u;
    return 0;
}
