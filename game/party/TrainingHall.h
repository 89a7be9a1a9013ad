#pragma once
// The training hall of a town: the trainer teaches one more level of a
// technique for 100 銭 more than the level before.
#include <string>

namespace zanbora {

struct Game;

// Price of the next level of technique 1..6.
int TrainingPrice(const Game& game, int technique);
// The price column: "<price>銭", or "MAX" for a technique at its last level.
std::string PriceText(const Game& game, int technique);

// Runs until cancel; Cursor is 1 afterwards (the town's hall row).
void Shop(Game& game);

}  // namespace zanbora
