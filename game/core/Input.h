#pragma once
// The key flags every loop reads, set by the key handlers inside Wait and
// WaitKey. Directions are held; decide and act are set on key down (and by
// the keyboard's repeat) and cleared by whoever consumes them.
#include "platform/Platform.h"

namespace zanbora {

struct Game;

struct KeyFlags {
    bool KeyState[4] = {false, false, false, false};  // 0 Left, 1 Up, 2 Right, 3 Down
    bool KeyDecide = false;                           // X, Space, Enter, joystick button 2
    bool KeyAct = false;                              // Z, Escape, Shift, joystick button 1
    bool AltHeld = false;
    bool FastForwardHeld = false;  // F unless settings.ini gives another key
    // A press and its release inside one frame wait: the release is held
    // back to the start of the next wait, so the loop sees every tap.
    bool DecideFresh = false, ActFresh = false;
    bool DecideReleasePending = false, ActReleasePending = false;
};

void OnKeyDown(Game& game, int key);
void OnKeyUp(Game& game, int key);
// Hands every pending window event to the key handlers (a close request
// ends the program through Form_Unload).
void ProcessEvents(Game& game);
// Called as a frame wait begins: the releases held back during the last
// wait take effect now that the loop has seen the press.
void BeginFrameInput(Game& game);

}  // namespace zanbora
