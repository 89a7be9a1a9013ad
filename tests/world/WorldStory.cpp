#include "WorldStory.h"

#include <stdexcept>

#include "game/core/TerrainCodes.h"
#include "support/BuildPaths.h"

namespace zanbora::world {

namespace {

std::string Cell(MapCell c) { return "(" + std::to_string(c.x) + ", " + std::to_string(c.y) + ")"; }

void TalkToPerson(Story& story, MapCell c) {
    MapLayers& map = story.map;
    switch (c.y) {
        case 13:
            story.at = {c.x, c.y + 1};
            return;
        case 31:
            if (story.money >= 200) {
                story.money -= 200;
                map.setEvent(c.x, c.y, 0);
            }
            return;
        case 38:
            map.setEvent(12, 38, 0);
            map.setEvent(80, 479, 1);
            return;
        case 67:
            map.setEvent(c.x, c.y, 0);
            map.setEvent(80, 483, 1);
            return;
        case 294:
            map.setEvent(c.x, c.y, 0);
            map.setEvent(74, 474, 1);
            return;
        case 338:
        case 358:
            map.setEvent(c.x, c.y, 0);
            if (++story.sealsMet >= 2) map.setEvent(79, 273, 18);
            return;
        case 390:
            map.setEvent(70, 419, 22);
            map.setEvent(35, 422, 22);
            return;
        case 488:
            map.setEvent(c.x, c.y, 0);
            return;
        case 196:
            // The keeper throws the stone west; at draw-skip 1 it lands in column 20.
            map.setEvent(20, 196, 17);
            map.setEvent(c.x, c.y, 0);
            map.setEvent(c.x, c.y - 1, 1);
            return;
        case 195:
            if (map.eventAt(c.x, c.y + 1) == 17) {
                map.setEvent(74, 478, 1);
                map.setEvent(c.x, c.y + 1, 0);
                map.setEvent(c.x, c.y, 0);
            }
            return;
        default:
            return;
    }
}

}  // namespace

Story NewGame() {
    Story story;
    std::string problem;
    if (!LoadTerrainFile(zanbora::testing::BuiltGameDir() + "/map.dat", story.map, problem))
        throw std::runtime_error("map.dat: " + problem);
    if (!ApplyItemList(zanbora::testing::BuiltGameDir() + "/items.lst", story.map))
        throw std::runtime_error("items.lst cannot be read");
    story.map.setEvent(80, 475, 25);
    return story;
}

std::string Trigger(Story& story, MapCell c) {
    MapLayers& map = story.map;
    const int code = map.eventAt(c.x, c.y);
    story.at = c;
    if (auto warp = FindFieldWarp(code, c.y)) {
        story.at = WarpLanding(*warp, c);
        return "";
    }
    switch (code) {
        case 1:
            TalkToPerson(story, c);
            return "";
        case 2: case 5: case 6: case 8: case 9:
            map.setEvent(c.x, c.y, 0);
            return "";
        case 23:
            map.setEvent(c.x, c.y, 0);
            map.setEvent(61, 429, 45);
            return "";
        case 16:
            if (c.y != 420 && !story.mascots[1]) return "the dragon rock at " + Cell(c) + " needs the ROBO mascot";
            map.setEvent(c.x, c.y, 0);
            return "";
        case 20:
            if (DoorLevel(c.y) == 0 || story.hero.level < DoorLevel(c.y))
                return "the door at " + Cell(c) + " does not open at level " + std::to_string(story.hero.level);
            map.setEvent(c.x, c.y, 0);
            return "";
        case 21:
            if (c.y == 480) {
                story.money -= 99800;
                map.setEvent(c.x, c.y, 0);
            } else if (c.y == 478) {
                map.setEvent(c.x, c.y, 24);
                story.at = {c.x - 1, c.y};
            }
            return "";
        case 22:
            map.setEvent(c.x, c.y, 0);
            return "";
        case 18:
        case 19:
            if (auto circle = FindMagicCircle(c.y)) {
                story.at = CircleLanding(*circle, c);
                if (circle->opensWayBack) map.setEvent(story.at.x, story.at.y, 18);
            }
            return "";
        default:
            if (code >= 36 && code <= 45) {
                story.mascots[size_t(code - 36)] = true;
                map.setEvent(c.x, c.y, 0);
            }
            return "";
    }
}

std::string KickStone(Story& story, int toX) {
    MapLayers& map = story.map;
    int x = -1;
    for (int column = 0; column < kEventColumns; ++column)
        if (map.eventAt(column, 196) == 17) x = column;
    if (x < 0) return "no stone lies in row 196";
    const int step = toX > x ? 1 : -1;
    for (; x != toX; x += step) {
        const int next = x + step;
        if (!IsRockTerrain(map.terrainAt(next, 196)) || map.eventAt(next, 196) != 0) return "the stone stops at column " + std::to_string(x);
        map.setEvent(next, 196, 17);
        map.setEvent(x, 196, 0);
    }
    story.at = {toX, 196};
    return "";
}

}  // namespace zanbora::world
