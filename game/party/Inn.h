#pragma once
namespace zanbora {

struct Game;

// The inn square (terrain 12): into the town. Leaves the field frame.
void EnterInn(Game& game);

}  // namespace zanbora
