#pragma once
// A walker's model of the world for the checker: which cells the hero can
// stand on, starting from one cell, with the event layer as it is at that
// point of the story. It follows the field's trigger rules: warps and
// circles carry the hero, bosses and closed doors stop him, the dragon rock
// lets him by only northward, the guide of row 13 puts him one row south,
// the stone keeper of row 195 sends him back south.

#include <set>
#include <vector>

#include "game/core/MapLayers.h"
#include "game/field/WarpTable.h"

namespace zanbora::world {

struct Hero {
    int level = 1;
};

// Strict: four directions, every gate shut, the rock a wall: what the hero
// can surely walk. Loose: also diagonal steps across wall corners, fleeing
// from the dragon rock (pushed one row north) and giving up at a door (one
// row back): everything the hero might reach, to prove a gate holds.
enum class Walk { Strict, Loose };

struct Reach {
    std::vector<char> standing;           // per terrain cell: the hero can stand there
    std::vector<char> entered;            // ... or step in, if only to be carried off
    std::set<std::pair<int, int>> opened; // landing cells that circles opened on the way
    bool at(MapCell c) const;
    // The hero can step onto `c` from a cell he can stand on.
    bool canEnter(const MapLayers& map, MapCell c) const;
};

// Doors by row: the level the hero needs to force them (one above their
// strength); 0 when the row has no door rule.
int DoorLevel(int row);

// Searches from `from` over the map. Circles that open their way back write
// it into `map` as the game would; the search repeats until nothing opens.
Reach Explore(MapLayers& map, MapCell from, const Hero& hero, Walk walk);

// Cells of columns 0..100 the hero could stand on (walkable terrain).
bool Walkable(const MapLayers& map, MapCell c);

}  // namespace zanbora::world
