#pragma once
// The bot's way finding: the shortest walk over the cells the hero can
// stand on, from where he is to a goal cell, with the event layer as play
// has left it. Warps and magic circles are steps that carry him elsewhere;
// bosses, doors, hosts and people are stepped on only when they are the goal
// (people also when no other way exists: some stand in the way).
#include <functional>
#include <optional>
#include <vector>

#include "game/core/MapLayers.h"
#include "game/field/WarpTable.h"

namespace zanbora::playthrough {

// One step of a walk: hold `direction` (0 left, 1 up, 2 right, 3 down) until
// the foot cell changes; the hero should then stand on `arrive` (the landing
// cell when the step enters a warp or a circle).
struct PathStep {
    int direction;
    MapCell enter;
    MapCell arrive;
};

// What entering a cell does to a walker passing by.
enum class CellKind { Free, Carries, Person, Stops };

CellKind KindOf(const MapLayers& map, MapCell cell);

// The walk from `from` that ends by entering `goal`; empty optional when
// there is none. `avoid` cells are never entered on the way (the stone the
// bot is kicking, for example).
std::optional<std::vector<PathStep>> FindPath(const MapLayers& map, MapCell from, MapCell goal,
                                              const std::vector<MapCell>& avoid = {});

// Training ground for random battles: the nearest plain cell (no event, not
// in the safe hall below row 440) with a plain neighbour, so the hero can
// walk back and forth between the two; `step` leads from one to the other.
// Only cells `suits` (when given) are taken.
struct TrainingSpot {
    MapCell cell;
    PathStep step;
};
std::optional<TrainingSpot> FindTrainingSpot(const MapLayers& map, MapCell from,
                                             const std::function<bool(MapCell)>& suits = {});

// The nearest inn square (a town's ladder) the hero can walk into from
// `from`, riding passages and circles on the way, or none. With `orSpring` a spring will do too: it heals once, for
// free, and then dries up.
std::optional<MapCell> FindNearestInn(const MapLayers& map, MapCell from, bool orSpring = false);

}  // namespace zanbora::playthrough
