#pragma once
#include <string>

namespace zanbora {

struct Game;

// A mascot medal is picked up (CellEvent 36..46, Monster.Picture the
// mascot's picture): the medal bobs and flashes, then its caption shows.
void MedalScene(Game& game);
// "<mascot>のマスコットを手に入れた" for medal codes 36..45; empty otherwise.
std::string MedalCaption(int code);

}  // namespace zanbora
