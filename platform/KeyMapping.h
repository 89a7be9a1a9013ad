#pragma once
// SDL key codes as the game's virtual key codes; 0 for a key the game does
// not use.
namespace zanbora {

// The keys a player cannot change in settings.ini: Alt, F4 for Alt+F4, and
// the editing keys of the start screen.
int VirtualKeyFromSdl(int sdlKeycode);

// On the start screen the keyboard is a keyboard: Return is Enter, Space is
// Space and the arrows are arrows, whatever settings.ini makes of them in
// play. 0 for a key that means nothing there beyond its typed text.
int PlainVirtualKey(int sdlKeycode);

}  // namespace zanbora
