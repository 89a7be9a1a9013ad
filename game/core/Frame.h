#pragma once
// Frame pacing: every loop draws into Pic, calls Present, then Wait(ms).
#include <string>

namespace zanbora {

struct Game;

// Ends the frame ms of game time after the end of the previous Wait (drawing
// time is absorbed), sleeping in the event wait; key events arrive only here
// and in WaitKey. Also advances AnimPhase and keeps the music going.
void Wait(Game& game, int ms);
// Polls the joystick and shows Pic.
void Present(Game& game);
// Waits for decide or act, then clears both.
void WaitKey(Game& game);
// Waits for decide or act and leaves them set for the caller to tell apart.
// Sleeps in the event wait (a short one, so the joystick is still polled).
void AwaitDecideOrAct(Game& game);
// The black-band transition between screens (32 frames of 30 ms).
void ScreenWipe(Game& game);
// Text in Pic's fore colour and font size, top-left at (x, y).
void DrawText(Game& game, const std::string& text, int x, int y);

}  // namespace zanbora
