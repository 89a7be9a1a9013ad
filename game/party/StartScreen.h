#pragma once
namespace zanbora {

struct Game;

// The start screen after the title: the name box, the list of saves with a
// preview, delete, OK, the draw-skip slider and the full-screen tick box,
// worked with the keyboard and the mouse. It ends when a game starts.
void ShowStartScreen(Game& game);

}  // namespace zanbora
