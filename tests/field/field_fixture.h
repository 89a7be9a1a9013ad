#pragma once
// A game on a small hand-made world: every cell grass unless a test says
// otherwise, the hero's feet in the middle of a chosen cell, and helpers to
// hold keys and run field frames.
#include <gtest/gtest.h>

#include <string>

#include "game/flow/CellTriggers.h"
#include "support/TestGame.h"

namespace zanbora::testing {

class FieldTest : public ::testing::Test {
protected:
    FieldTest();

    Game& game() { return *tg.game; }
    // Terrain of every cell of the rectangle (both corners included).
    void terrain(int x0, int y0, int x1, int y1, int code);
    void terrain(int x, int y, int code) { terrain(x, y, x, y, code); }
    // Puts the hero's feet in the middle of cell (x, y) and makes it his
    // last cell, as the main loop does on entry.
    void standIn(int x, int y);
    // Puts the feet exactly on the corner (x, y) of a cell: no sub-cell offset.
    void standOnCorner(int x, int y);
    int footCellX() { return int(game().player.HeroX + 0.5); }
    int footCellY() { return int(game().player.HeroY + 0.9); }
    // Holds exactly the named keys: any of "L", "U", "R", "D".
    void hold(const std::string& keys);
    // Runs n field frames (MOVEN only).
    void frames(int n);
    // Walks in a direction until the hero enters another cell (its trigger
    // has then fired), then lets go of the keys.
    void walkInto(const std::string& key);
    int soundCount(const std::string& needle);

    TestGame tg{false};
};

}  // namespace zanbora::testing
