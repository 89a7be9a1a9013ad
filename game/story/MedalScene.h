#pragma once
namespace zanbora {

struct Game;

// A mascot medal is picked up: its picture (Monster.Picture) spins in and
// its caption is shown.
void MedalScene(Game& game);

}  // namespace zanbora
