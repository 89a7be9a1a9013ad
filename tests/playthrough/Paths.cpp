#include "Paths.h"

#include <algorithm>
#include <deque>

#include "WorldSearch.h"
#include "game/battle/FixedOpponents.h"
#include "game/core/TerrainCodes.h"

namespace zanbora::playthrough {

namespace {

constexpr MapCell kMoves[4] = {{-1, 0}, {0, -1}, {1, 0}, {0, 1}};

size_t Index(MapCell c) { return size_t(c.y) * kTerrainColumns + size_t(c.x); }

// Where entering `cell` puts the hero, for cells that carry him.
std::optional<MapCell> Landing(const MapLayers& map, MapCell cell) {
    const int code = map.eventAt(cell.x, cell.y);
    if (auto warp = FindFieldWarp(code, cell.y)) return WarpLanding(*warp, cell);
    if (code == 18 || code == 19)
        if (auto circle = FindMagicCircle(cell.y)) return CircleLanding(*circle, cell);
    return std::nullopt;
}

// Where a walker passing by ends up after entering `to`: on it, or where a
// passage or circle carries him; none if the cell stops him (people stop
// him unless `throughPeople`) or he would land off the walkable ground.
std::optional<MapCell> PassOnto(const MapLayers& map, MapCell to, bool throughPeople) {
    MapCell arrive = to;
    switch (KindOf(map, to)) {
        case CellKind::Free: break;
        case CellKind::Carries: arrive = *Landing(map, to); break;
        case CellKind::Person:
            if (!throughPeople) return std::nullopt;
            break;
        case CellKind::Stops: return std::nullopt;
    }
    if (!world::Walkable(map, arrive)) return std::nullopt;
    return arrive;
}

struct Node {
    int previous = -1;
    PathStep step{};
};

std::optional<std::vector<PathStep>> Search(const MapLayers& map, MapCell from, MapCell goal,
                                            const std::vector<MapCell>& avoid, bool throughPeople) {
    std::vector<Node> nodes(kMapFileSize);
    std::vector<char> seen(kMapFileSize, 0);
    std::deque<MapCell> queue{from};
    seen[Index(from)] = 1;
    auto unwind = [&](MapCell last, PathStep final) {
        std::vector<PathStep> path{final};
        for (MapCell c = last; !(c == from);) {
            const Node& node = nodes[Index(c)];
            path.push_back(node.step);
            c = MapCell{node.previous % kTerrainColumns, node.previous / kTerrainColumns};
        }
        std::reverse(path.begin(), path.end());
        return path;
    };
    while (!queue.empty()) {
        const MapCell c = queue.front();
        queue.pop_front();
        for (int direction = 0; direction < 4; ++direction) {
            const MapCell to{c.x + kMoves[direction].x, c.y + kMoves[direction].y};
            if (!world::Walkable(map, to)) continue;
            if (to == goal) {
                const MapCell arrive = Landing(map, to).value_or(to);
                return unwind(c, PathStep{direction, to, arrive});
            }
            if (std::find(avoid.begin(), avoid.end(), to) != avoid.end()) continue;
            const std::optional<MapCell> arrive = PassOnto(map, to, throughPeople);
            if (!arrive || seen[Index(*arrive)]) continue;
            seen[Index(*arrive)] = 1;
            nodes[Index(*arrive)] = Node{int(Index(c)), PathStep{direction, to, *arrive}};
            queue.push_back(*arrive);
        }
    }
    return std::nullopt;
}

}  // namespace

CellKind KindOf(const MapLayers& map, MapCell cell) {
    if (map.terrainAt(cell.x, cell.y) == kInnTerrain) return CellKind::Stops;
    const int code = map.eventAt(cell.x, cell.y);
    if (Landing(map, cell)) return CellKind::Carries;
    if (IsFixedOpponentEvent(code, cell.y)) return CellKind::Stops;
    switch (code) {
        case 1: return CellKind::Person;
        case 16: case 20: case 21: case 24: case 25: return CellKind::Stops;
        default: return CellKind::Free;
    }
}

std::optional<std::vector<PathStep>> FindPath(const MapLayers& map, MapCell from, MapCell goal,
                                              const std::vector<MapCell>& avoid) {
    if (auto path = Search(map, from, goal, avoid, false)) return path;
    return Search(map, from, goal, avoid, true);
}

std::optional<TrainingSpot> FindTrainingSpot(const MapLayers& map, MapCell from,
                                             const std::function<bool(MapCell)>& suits) {
    constexpr int kSafeBelowRow = 440;
    auto plain = [&](MapCell c) {
        return world::Walkable(map, c) && c.y <= kSafeBelowRow && KindOf(map, c) == CellKind::Free &&
               map.eventAt(c.x, c.y) == 0 && (!suits || suits(c));
    };
    std::vector<char> seen(kMapFileSize, 0);
    std::deque<MapCell> queue{from};
    seen[Index(from)] = 1;
    while (!queue.empty()) {
        const MapCell c = queue.front();
        queue.pop_front();
        for (int direction = 0; direction < 4; ++direction) {
            const MapCell to{c.x + kMoves[direction].x, c.y + kMoves[direction].y};
            if (plain(c) && plain(to)) return TrainingSpot{c, PathStep{direction, to, to}};
            if (!world::Walkable(map, to) || seen[Index(to)] || KindOf(map, to) != CellKind::Free) continue;
            seen[Index(to)] = 1;
            queue.push_back(to);
        }
    }
    return std::nullopt;
}

namespace {

std::optional<MapCell> SearchRest(const MapLayers& map, MapCell from, bool orSpring, bool throughPeople) {
    std::vector<char> seen(kMapFileSize, 0);
    std::deque<MapCell> queue{from};
    seen[Index(from)] = 1;
    while (!queue.empty()) {
        const MapCell c = queue.front();
        queue.pop_front();
        for (const MapCell& move : kMoves) {
            const MapCell to{c.x + move.x, c.y + move.y};
            if (to.x < 0 || to.y < 0 || to.x >= kTerrainColumns || to.y >= kTerrainRows) continue;
            if (map.terrainAt(to.x, to.y) == kInnTerrain) return to;
            if (!world::Walkable(map, to)) continue;
            if (orSpring && map.eventAt(to.x, to.y) == kSpringCode) return to;
            // Passages and circles on the way carry the hero on.
            const std::optional<MapCell> next = PassOnto(map, to, throughPeople);
            if (!next || seen[Index(*next)]) continue;
            seen[Index(*next)] = 1;
            queue.push_back(*next);
        }
    }
    return std::nullopt;
}

}  // namespace

// Like a walk, the search passes people only when there is no other way:
// some of them do more than talk (the stone keeper throws his stone).
std::optional<MapCell> FindNearestInn(const MapLayers& map, MapCell from, bool orSpring) {
    if (auto rest = SearchRest(map, from, orSpring, false)) return rest;
    return SearchRest(map, from, orSpring, true);
}

}  // namespace zanbora::playthrough
