#include "game/core/JoyPad.h"

#include "game/core/FastForward.h"
#include "game/core/Game.h"

namespace zanbora {

static constexpr int32_t kDeadZone = 10000;

// Asks ports 0 and 1 in turn; the first that answers is used.
static void FindJoystick(Game& game) {
    JoyPadState& joy = game.joy;
    joy.JoyPresent = false;
    joy.NextSearch = game.now() + kPadSearchMs;
    if (!joy.api.complete()) return;
    for (int port = 0; port <= 1; ++port) {
        if (joy.api.CheckJoy(game.platform.windowHandle(), port) == 0) {
            joy.JoyPort = port;
            joy.JoyPresent = true;
            return;
        }
    }
}

void InitJoystickWith(Game& game, const PadPortApi& api) {
    game.joy.api = api;
    FindJoystick(game);
}

// The pad went away: whatever it held is let go (a walking hero stops), and
// the next pad found takes its own first reading as the centre.
static void LoseJoystick(Game& game) {
    JoyPadState& joy = game.joy;
    joy.JoyPresent = false;
    joy.NextSearch = game.now() + kPadSearchMs;
    for (int i = 0; i < 4; ++i) {
        if (joy.PadState[i]) game.keys.KeyState[i] = false;
        joy.PadState[i] = false;
    }
    joy.PadBtnPrev[1] = joy.PadBtnPrev[2] = false;
    joy.PadFastForward = false;
    FollowFastForward(game);
    joy.JoyCentreX = joy.JoyCentreY = 0;
}

void InitJoystick(Game& game) {
    game.joy.library = game.platform.openLibrary(game.AppDir + "/libPadPort.so");
    PadPortApi api;
    if (LoadedLibrary* lib = game.joy.library.get()) {
        api.CheckJoy = reinterpret_cast<decltype(api.CheckJoy)>(lib->symbol("CheckJoy"));
        api.GetJoyAxis = reinterpret_cast<decltype(api.GetJoyAxis)>(lib->symbol("GetJoyAxis"));
        api.GetJoyButton = reinterpret_cast<decltype(api.GetJoyButton)>(lib->symbol("GetJoyButton"));
    }
    InitJoystickWith(game, api);
}

void ReadJoystick(Game& game, int32_t& x, int32_t& y, PadButtons& buttons) {
    JoyPadState& joy = game.joy;
    uint32_t ax = uint32_t(x), ay = uint32_t(y), az = 0;
    buttons = PadButtons{};
    if (joy.api.GetJoyAxis(joy.JoyPort, &ax, &ay, &az) == -1) {
        LoseJoystick(game);  // unplugged
        return;
    }
    x = int32_t(ax);
    y = int32_t(ay);
    if (joy.JoyCentreX == 0) {
        joy.JoyCentreX = x;
        joy.JoyCentreY = y;
    }
    uint8_t pressed[8] = {};
    if (joy.api.GetJoyButton(joy.JoyPort, pressed, 8) == -1) {
        // A stick that cannot be read counts as centred with nothing pressed;
        // reading it as (0, 0) would hold up-left until the keys were pressed.
        x = joy.JoyCentreX;
        y = joy.JoyCentreY;
    }
    buttons.button1 = pressed[0] == 1;
    buttons.button2 = pressed[1] == 1;
    buttons.fastForward = pressed[kFastForwardButton] == 1;
}

// One direction of the stick: pressed past the dead zone sets it; let go,
// it releases the direction even when a key had set it.
static void FoldDirection(Game& game, int index, bool exceeded) {
    if (exceeded) {
        game.joy.PadState[index] = true;
    } else if (game.joy.PadState[index]) {
        game.joy.PadState[index] = false;
        game.keys.KeyState[index] = false;
    }
}

// A button sets its flag once per press; holding it does not set it again.
static void FoldButton(bool pressed, bool& previous, bool& flag) {
    if (pressed && !previous) {
        flag = true;
        previous = true;
    } else if (!pressed && previous) {
        previous = false;
        flag = false;
    }
}

void PollJoystick(Game& game) {
    JoyPadState& joy = game.joy;
    joy.JoyX = joy.JoyCentreX;
    joy.JoyY = joy.JoyCentreY;
    if (!joy.JoyPresent && game.now() >= joy.NextSearch) FindJoystick(game);
    if (!joy.JoyPresent) return;
    PadButtons buttons;
    ReadJoystick(game, joy.JoyX, joy.JoyY, buttons);
    if (!joy.JoyPresent) return;
    FoldDirection(game, 2, joy.JoyX > joy.JoyCentreX + kDeadZone);
    FoldDirection(game, 0, joy.JoyX < joy.JoyCentreX - kDeadZone);
    FoldDirection(game, 3, joy.JoyY > joy.JoyCentreY + kDeadZone);
    FoldDirection(game, 1, joy.JoyY < joy.JoyCentreY - kDeadZone);
    for (int i = 0; i < 4; ++i) game.keys.KeyState[i] = game.keys.KeyState[i] || joy.PadState[i];
    FoldButton(buttons.button1, joy.PadBtnPrev[1], game.keys.KeyAct);
    FoldButton(buttons.button2, joy.PadBtnPrev[2], game.keys.KeyDecide);
    joy.PadFastForward = buttons.fastForward;
    FollowFastForward(game);
}

}  // namespace zanbora
