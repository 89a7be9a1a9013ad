#pragma once
// The bosses that stand on the map: their event codes and their records.
namespace zanbora {

struct Game;

// True when a field event of this code at this cell row starts a boss battle
// (2, 5, 6, 8, 9, 16, 23, and 21 at row 478).
bool IsFixedOpponentEvent(int code, int row);
// Fills game.monster with the boss of that event and row (Hp included) and
// returns true; returns false and leaves the record alone for any other event.
// The caller then draws the field, sets GameState = "BATTLE", Cursor = 0 and
// calls btl.
bool SetFixedOpponent(Game& game, int code, int row);

}  // namespace zanbora
