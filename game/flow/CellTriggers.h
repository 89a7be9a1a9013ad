#pragma once
namespace zanbora {

struct Game;

// One field frame: walk, draw the field, and send the hero to whatever the
// cell he entered holds (the inn, a person, a boss, a warp, a battle...).
void MOVEN(Game& game);

}  // namespace zanbora
