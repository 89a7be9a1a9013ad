#pragma once
// Full-screen play: the display switched to 640 x 480 for this run and put
// back when the program ends.
namespace zanbora {

struct Game;

void SwitchToGameMode(Game& game);
void RestoreDisplayMode(Game& game);

}  // namespace zanbora
