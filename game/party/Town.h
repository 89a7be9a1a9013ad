#pragma once
namespace zanbora {

struct Game;

// A town: inn, training hall and hearsay, entered from the inn square of
// the field with the town music already playing.
void Yado(Game& game);

}  // namespace zanbora
