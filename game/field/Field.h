#pragma once
namespace zanbora {

struct Game;

// One field frame: walk, draw the field, fire the trigger of the cell entered.
void MOVEN(Game& game);

}  // namespace zanbora
