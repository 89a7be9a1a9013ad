#pragma once
// Starting to play, which the start screen asks for and the game's flow does.
// The start screen lies below the flow, so it sees only this declaration;
// the flow defines it, where the hero is loaded and the main loop runs.
namespace zanbora {

struct Game;

// Starts or reloads the hero named in the name box and runs the main loop
// (or, after a defeat, returns into the running one). A name that cannot be
// a hero's is refused with the reason in game.start.Notice.
void PPPN(Game& game);

}  // namespace zanbora
