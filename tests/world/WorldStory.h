#pragma once
// The story as the checker plays it: what stepping onto an event cell does
// to the event layer and to the hero, as the field's triggers do it, and the
// intended route through the world as data.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "WorldSearch.h"

namespace zanbora::world {

struct Story {
    MapLayers map;                 // the event layer as play has changed it
    Hero hero;
    double money = 100000;         // a new hero's purse
    int sealsMet = 0;              // Progress[17]
    std::array<bool, 10> mascots{};
    MapCell at{54, 481};           // the start's foot cell
};

// The map of a new game: map.dat and items.lst of the built game folder,
// with the crystal ball the start screen puts at (80, 475).
Story NewGame();

// The hero enters `cell` (an event cell or a warp): applies what the field
// would do and moves him where he ends up. Returns an empty string, or what
// is wrong (a rock without ROBO, a door above his level, ...).
std::string Trigger(Story& story, MapCell cell);

// Kicks the stone of the keeper's task along row 196 to column `toX`, one
// cell per kick, as long as every cell on the way takes the stone.
std::string KickStone(Story& story, int toX);

enum class Step { Enter, KickStone };

// One leg of the route: walk from where the hero is to `goal` and enter it
// (or kick the stone to it). `level` is the level the hero is expected to
// have there. `behind`, for a gate, is a cell that must stay out of reach
// until the gate has been passed.
struct Leg {
    const char* what;
    Step step;
    MapCell goal;
    int level;
    std::optional<MapCell> behind;
};

const std::vector<Leg>& MainRoute();

}  // namespace zanbora::world
