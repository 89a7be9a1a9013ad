#include "WorldSearch.h"

#include <deque>

#include "game/core/TerrainCodes.h"

namespace zanbora::world {

namespace {

bool Inside(MapCell c) { return c.x >= 0 && c.y >= 0 && c.x < kTerrainColumns && c.y < kTerrainRows; }

size_t Index(MapCell c) { return size_t(c.y) * kTerrainColumns + size_t(c.x); }

bool IsBoss(int code, int row) {
    switch (code) {
        case 2: case 5: case 6: case 8: case 9: case 23:
            return true;
        case 16:
            return row == 420;
        case 21:
            return row == 478;
        default:
            return false;
    }
}

struct Search {
    MapLayers& map;
    const Hero& hero;
    Walk walk;
    Reach reach;
    std::deque<MapCell> queue;

    void Stand(MapCell c) {
        if (!Inside(c) || !Walkable(map, c) || reach.standing[Index(c)]) return;
        reach.standing[Index(c)] = 1;
        queue.push_back(c);
    }

    // The hero steps from `from` into `to` (walkable); where does he end up?
    void Enter(MapCell from, MapCell to, int depth) {
        if (depth > 4) return;
        const int code = map.eventAt(to.x, to.y);
        const int row = to.y;
        if (IsBoss(code, row)) return;
        reach.entered[Index(to)] = 1;
        if (code == 16) {  // the dragon rock: a wall, or a shove north for one who flees
            if (walk == Walk::Loose) Enter(to, {to.x, to.y - 1}, depth + 1);
            return;
        }
        if (code == 20) {
            if (hero.level >= DoorLevel(row) && DoorLevel(row) > 0) return Stand(to);
            // Giving up steps back: up when he came down, down otherwise.
            const MapCell back{to.x, from.y < to.y ? to.y - 1 : to.y + 1};
            if (Inside(back) && Walkable(map, back)) Enter(to, back, depth + 1);
            return;
        }
        if (code == 1 && row == 13) return Enter(to, {to.x, to.y + 1}, depth + 1);
        if (code == 1 && row == 195) {
            const bool done = map.eventAt(to.x, to.y + 1) == 17;
            const bool fromSouth = from.y > to.y;
            if (!done && (fromSouth || walk == Walk::Strict)) return;
            return Stand(to);
        }
        if (auto warp = FindFieldWarp(code, row)) return Stand(WarpLanding(*warp, to));
        if (code == 18 || code == 19) {
            if (auto circle = FindMagicCircle(row)) {
                const MapCell landing = CircleLanding(*circle, to);
                if (circle->opensWayBack && map.eventAt(landing.x, landing.y) != 18)
                    reach.opened.insert({landing.x, landing.y});
                return Stand(landing);
            }
        }
        Stand(to);
    }

    void Run(MapCell from) {
        Stand(from);
        while (!queue.empty()) {
            const MapCell c = queue.front();
            queue.pop_front();
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx) {
                    if (dx == 0 && dy == 0) continue;
                    if (dx != 0 && dy != 0 && walk == Walk::Strict) continue;
                    const MapCell to{c.x + dx, c.y + dy};
                    if (Inside(to) && Walkable(map, to)) Enter(c, to, 0);
                }
        }
    }
};

}  // namespace

bool Reach::at(MapCell c) const { return Inside(c) && standing[Index(c)]; }

bool Reach::canEnter(const MapLayers& map, MapCell c) const {
    if (!Walkable(map, c)) return false;
    if (at(c)) return true;
    const MapCell around[] = {{c.x - 1, c.y}, {c.x + 1, c.y}, {c.x, c.y - 1}, {c.x, c.y + 1}};
    for (MapCell a : around)
        if (at(a)) return true;
    return false;
}

int DoorLevel(int row) {
    switch (row) {
        case 40: case 69: return 3;
        case 124: return 15;
        case 294: return 40;
        default: return 0;
    }
}

bool Walkable(const MapLayers& map, MapCell c) {
    return Inside(c) && IsWalkableTerrain(map.terrainAt(c.x, c.y));
}

Reach Explore(MapLayers& map, MapCell from, const Hero& hero, Walk walk) {
    std::set<std::pair<int, int>> opened;
    while (true) {
        Search search{map, hero, walk, {}, {}};
        search.reach.standing.assign(kMapFileSize, 0);
        search.reach.entered.assign(kMapFileSize, 0);
        search.Run(from);
        if (search.reach.opened.empty()) {
            search.reach.opened = opened;
            return search.reach;
        }
        for (auto [x, y] : search.reach.opened) {
            map.setEvent(x, y, 18);
            opened.insert({x, y});
        }
    }
}

}  // namespace zanbora::world
