#pragma once
// The bosses that stand on the map: their event codes and their records.
#include "game/core/Monster.h"

namespace zanbora {

struct Game;

// The rock that blocks the road: the ROBO mascot's laser breaks it, it never
// strikes back, and breaking it clears its cell.
constexpr int kDragonRockId = 899;
// Event 21 on this row is the last boss; anywhere else it ends the training.
constexpr int kLastBossRow = 478;

// True when a field event of this code at this cell row starts a boss battle
// (2, 5, 6, 8, 9, 16, 23, and 21 at row 478).
bool IsFixedOpponentEvent(int code, int row);
// Fills game.monster with the boss of that event and row (Hp included) and
// returns true; returns false and leaves the record alone for any other event.
// The caller then draws the field, sets GameState = "BATTLE", Cursor = 0 and
// calls btl.
bool SetFixedOpponent(Game& game, int code, int row);
// The same record filled into `m`, to size up a boss before meeting it.
bool FillFixedOpponent(Monster& m, int code, int row);

}  // namespace zanbora
