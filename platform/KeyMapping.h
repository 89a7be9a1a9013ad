#pragma once
// SDL key codes to the game's virtual key codes (0 for keys the game ignores).
namespace zanbora {

int VirtualKeyFromSdl(int sdlKeycode);

}  // namespace zanbora
