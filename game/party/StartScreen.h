#pragma once
namespace zanbora {

struct Game;

// The start screen after the title: the name box, the list of saves with a
// preview, delete, OK, the draw-skip slider and the full-screen tick box,
// worked with the keyboard and the mouse. It ends when a game starts.
void ShowStartScreen(Game& game);
// Starts or reloads the hero named in the name box and runs the main loop
// (or, after a defeat, returns into the running one). A name that cannot be
// a hero's is refused with the reason in game.start.Notice.
void PPPN(Game& game);

}  // namespace zanbora
