#pragma once
namespace zanbora {

struct Game;

// The start screen with its save slots, shown after the title.
void ShowStartScreen(Game& game);
// Starts or reloads the hero named in the name box and runs the main loop
// (or, after a defeat, returns into the running one).
void PPPN(Game& game);

}  // namespace zanbora
