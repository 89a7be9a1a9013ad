#pragma once
// The keys a player cannot change in settings.ini (Alt, and F4 for Alt+F4)
// as the game's virtual key codes; 0 for any other key.
namespace zanbora {

int VirtualKeyFromSdl(int sdlKeycode);

}  // namespace zanbora
