#pragma once
namespace zanbora {

struct Game;

// The technique screen: choose the special technique battle uses.
void WzS(Game& game);

}  // namespace zanbora
