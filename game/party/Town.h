#pragma once
// A town: one screen with the inn, the training hall and hearsay, entered
// from the inn square of the field with the town music already playing.
#include <array>

namespace zanbora {

struct Game;

// Stores the teleport return point, slides the hero in, runs the town menu
// until cancel, slides him out and goes back to the field music.
void Yado(Game& game);
// The town command of Cursor: 0 inn, 1 training hall, 2 hearsay.
void ymen(Game& game);
// Hearsay of the town at the hero's row, in the message window.
void ShowTownInfo(Game& game);

// What the inn charges the hero now.
int InnPrice(const Game& game);
// The three lines of hearsay of the town whose row is r (one line for a
// town with nothing to tell).
std::array<const char*, 3> TownInfoLines(int row);
// Every row that has hearsay of its own.
const std::array<int, 14>& TownInfoRows();

}  // namespace zanbora
