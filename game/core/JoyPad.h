#pragma once
// The joystick, read through the PadPort library and folded into the same
// key flags as the keyboard.
#include <cstdint>
#include <memory>

#include "platform/Platform.h"

namespace zanbora {

struct Game;

// The three calls of libPadPort.so.
struct PadPortApi {
    int32_t (*CheckJoy)(intptr_t window, int32_t selector) = nullptr;
    int32_t (*GetJoyAxis)(int32_t selector, uint32_t* x, uint32_t* y, uint32_t* z) = nullptr;
    int32_t (*GetJoyButton)(int32_t selector, uint8_t* buttons, int32_t count) = nullptr;
    bool complete() const { return CheckJoy && GetJoyAxis && GetJoyButton; }
};

struct JoyPadState {
    bool PadState[4] = {false, false, false, false};
    bool PadBtnPrev[3] = {false, false, false};  // 1 and 2 used
    bool PadFastForward = false;  // the right shoulder button is held
    bool JoyPresent = false;
    int JoyPort = 0;
    int32_t JoyX = 0, JoyY = 0;
    int32_t JoyCentreX = 0, JoyCentreY = 0;
    int64_t NextSearch = 0;  // clock time of the next look for a pad
    PadPortApi api;
    std::unique_ptr<LoadedLibrary> library;
};

// How often the game looks for a pad while it has none, in ms.
constexpr int kPadSearchMs = 1000;

// Loads libPadPort.so from the game folder (a missing library means no
// joystick) and asks ports 0 and 1 whether a joystick answers.
void InitJoystick(Game& game);
// Same, with the calls given directly (tests use a fake joystick).
void InitJoystickWith(Game& game, const PadPortApi& api);
// The buttons the game uses. The library reports a pad it knows by where its
// buttons sit: byte 0 the right face button, byte 1 the lower one, byte 5
// the right shoulder.
struct PadButtons {
    bool button1 = false;      // cancel
    bool button2 = false;      // decide
    bool fastForward = false;  // held for fast-forward
};
constexpr int kFastForwardButton = 5;
void ReadJoystick(Game& game, int32_t& x, int32_t& y, PadButtons& buttons);
// Reads the pad into the key flags. Without a pad (none at start-up, or
// pulled out) it looks for one again every kPadSearchMs, so a pad plugged
// in at any time works; a pad pulled out lets go of what it held.
void PollJoystick(Game& game);

}  // namespace zanbora
