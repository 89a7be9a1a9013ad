// The built map.dat and items.lst: their formats, and every place that the
// game's rules name holding what those rules need.

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <regex>
#include <set>

#include "WorldStory.h"
#include "game/core/TerrainCodes.h"
#include "support/BuildPaths.h"

namespace zanbora::world {
namespace {

struct Item {
    int x, y, code;
};

std::string ReadBytes(const std::string& name) {
    std::ifstream in(zanbora::testing::BuiltGameDir() + "/" + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<Item> Items() {
    std::vector<Item> items;
    const std::string text = ReadBytes("items.lst");
    const std::regex line("(\\d+),(\\d+),(-?\\d+)\r\n");
    for (auto it = std::sregex_iterator(text.begin(), text.end(), line); it != std::sregex_iterator(); ++it)
        items.push_back({std::stoi((*it)[1]), std::stoi((*it)[2]), std::stoi((*it)[3])});
    return items;
}

std::string Where(int x, int y) { return "(" + std::to_string(x) + ", " + std::to_string(y) + ")"; }

class WorldFiles : public ::testing::Test {
protected:
    Story story = NewGame();
    const MapLayers& map = story.map;
    std::vector<Item> items = Items();

    bool Open(int x, int y) const { return Walkable(map, {x, y}); }
    int CountOf(int code) const {
        return int(std::count_if(items.begin(), items.end(), [code](const Item& i) { return i.code == code; }));
    }
    int CountOn(int code, int row) const {
        return int(std::count_if(items.begin(), items.end(),
                                 [&](const Item& i) { return i.code == code && i.y == row; }));
    }
};

TEST_F(WorldFiles, MapIsTheWholeGridAndTheItemListHasItsHundredTwentyLines) {
    EXPECT_EQ(ReadBytes("map.dat").size(), 70840u);
    const std::string text = ReadBytes("items.lst");
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 120);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\r'), 120);
    ASSERT_EQ(items.size(), 120u) << "every line must read x,y,code with CR LF";
    std::set<std::pair<int, int>> cells;
    for (const Item& i : items) {
        EXPECT_LE(i.x, 100) << Where(i.x, i.y);
        EXPECT_LE(i.y, 590) << Where(i.x, i.y);
        EXPECT_TRUE(cells.insert({i.x, i.y}).second) << "two events on " << Where(i.x, i.y);
        EXPECT_TRUE(Open(i.x, i.y)) << "event " << i.code << " on unwalkable ground at " << Where(i.x, i.y);
    }
}

TEST_F(WorldFiles, TheTrainingGroundAndTheHall) {
    EXPECT_TRUE(Open(54, 481)) << "the start";
    EXPECT_EQ(map.eventAt(54, 481), 0);
    EXPECT_EQ(map.eventAt(56, 480), 21) << "the graduation cell";
    for (auto [x, y] : {std::pair{57, 480}, {58, 480}, {58, 481}, {58, 482}, {58, 483}})
        EXPECT_TRUE(Open(x, y)) << "the trainer walks off through " << Where(x, y);
    EXPECT_EQ(map.eventAt(60, 488), 1) << "the mentor";
    for (auto [x, y] : {std::pair{80, 479}, {80, 483}, {74, 474}, {74, 478}, {80, 475}}) {
        EXPECT_TRUE(Open(x, y)) << "host cell " << Where(x, y);
        if (!(x == 80 && y == 475)) {
            EXPECT_EQ(map.eventAt(x, y), 0) << "host cell " << Where(x, y) << " starts empty";
        }
    }
    EXPECT_EQ(CountOn(21, 478), 1) << "one last boss, on row 478";
    for (const Item& i : items) {
        if (i.code == 21 && i.y == 478) {
            EXPECT_TRUE(Open(i.x - 1, i.y)) << "the hero steps west after the last battle";
        }
    }
    EXPECT_EQ(CountOf(21), 2) << "the trainer and the last boss";
    EXPECT_EQ(CountOf(24), 0);
    EXPECT_EQ(CountOf(25), 0) << "the start screen places the crystal ball itself";
}

TEST_F(WorldFiles, EveryInformationRowHasATownAndEveryTownHasSomethingToTell) {
    const std::set<int> rows = {17, 26, 74, 110, 158, 190, 193, 234, 242, 253, 277, 315, 389, 482};
    std::set<int> found;
    for (int y = 0; y < kTerrainRows; ++y)
        for (int x = 0; x <= 100; ++x)
            if (map.terrainAt(x, y) == kInnTerrain) {
                EXPECT_TRUE(rows.count(y)) << "a town at " << Where(x, y) << " has nothing to tell";
                // The teleport returns the hero up to one cell west and one south of
                // where he entered the town.
                EXPECT_TRUE(Open(x - 1, y) && Open(x, y + 1) && Open(x - 1, y + 1))
                    << "the teleport back to the town at " << Where(x, y) << " could end in a wall";
                EXPECT_EQ(map.eventAt(x, y), 0) << "an event on the town square " << Where(x, y);
                found.insert(y);
            }
    EXPECT_EQ(found, rows);
    for (int y = 0; y < kTerrainRows; ++y)
        for (int x = 101; x < kTerrainColumns; ++x) EXPECT_NE(map.terrainAt(x, y), kInnTerrain) << Where(x, y);
}

TEST_F(WorldFiles, PeopleStandOnEveryRowThatHasWordsAndNowhereElse) {
    const std::set<int> rows = {0,   13,  16,  20,  30,  31,  33,  37,  38,  42,  43,  44,  62,
                                67,  195, 196, 273, 294, 338, 358, 390, 481, 485, 486, 488};
    std::set<int> found;
    for (const Item& i : items)
        if (i.code == 1) {
            EXPECT_TRUE(rows.count(i.y)) << "a person with nothing to say at " << Where(i.x, i.y);
            found.insert(i.y);
        }
    EXPECT_EQ(found, rows);
    EXPECT_EQ(map.eventAt(12, 38), 1) << "the bean who goes to the hall";
    EXPECT_EQ(map.eventAt(37, 33), 36) << "the medal the row-33 bean speaks of";
    EXPECT_EQ(CountOn(1, 31), 1) << "one gatekeeper";
    EXPECT_GE(CountOn(1, 42), 1) << "the bean at the bridge's rock";
}

TEST_F(WorldFiles, MedalsBossesAndRocks) {
    for (int code = 36; code <= 44; ++code) EXPECT_EQ(CountOf(code), 1) << "medal " << code;
    EXPECT_EQ(CountOf(45), 0) << "the プリースト medal appears where the priest falls";
    EXPECT_EQ(CountOf(46), 0);
    for (int code : {2, 5, 6, 8, 9, 23}) EXPECT_EQ(CountOf(code), 1) << "boss " << code;
    EXPECT_EQ(CountOn(16, 420), 1) << "岩ドラゴン";
    EXPECT_TRUE(Open(61, 429));
    EXPECT_EQ(map.eventAt(61, 429), 0);
    for (auto [x, y] : {std::pair{70, 419}, {35, 422}}) {
        EXPECT_TRUE(Open(x, y)) << "castle spring " << Where(x, y);
        EXPECT_EQ(map.eventAt(x, y), 0);
    }
    // Where the last circle sets the hero down, a spring, beyond the reach
    // of random battles: he meets ザンボラ rested after the castle's walk.
    EXPECT_EQ(map.eventAt(92, 483), 22) << "the spring before the throne";
    EXPECT_TRUE(Open(92, 483));
    EXPECT_EQ(CountOn(16, 108), 1) << "the rock of the first guardian";
    EXPECT_EQ(CountOn(16, 172), 1) << "the rock of the second guardian";
    int bridgeRocks = 0;
    for (const Item& i : items) {
        if (i.code != 16 || i.y == 420) continue;
        if (i.y >= 42 && i.y <= 44) ++bridgeRocks;
        // Fleeing pushes the hero one row north: the rock sits in a north-south
        // passage with open ground north of it.
        EXPECT_TRUE(Open(i.x, i.y - 1)) << "north of the rock at " << Where(i.x, i.y);
        EXPECT_FALSE(Open(i.x - 1, i.y)) << "west of the rock at " << Where(i.x, i.y);
        EXPECT_FALSE(Open(i.x + 1, i.y)) << "east of the rock at " << Where(i.x, i.y);
    }
    EXPECT_EQ(bridgeRocks, 1) << "the rock on the bridge by the row-42 bean";
}

TEST_F(WorldFiles, DoorsStandInNorthSouthPassagesOnTheirRows) {
    std::set<int> rows;
    for (const Item& i : items) {
        if (i.code != 20) continue;
        rows.insert(i.y);
        EXPECT_GT(DoorLevel(i.y), 0) << "a door without a strength at " << Where(i.x, i.y);
        // Giving up steps the hero one row back, so only north and south are open.
        EXPECT_TRUE(Open(i.x, i.y - 1) && Open(i.x, i.y + 1)) << Where(i.x, i.y);
        EXPECT_FALSE(Open(i.x - 1, i.y) || Open(i.x + 1, i.y)) << Where(i.x, i.y);
    }
    EXPECT_TRUE(rows.count(124) && rows.count(294) && (rows.count(40) || rows.count(69)));
}

TEST_F(WorldFiles, WarpsAndCirclesLandOnOpenGround) {
    const auto landsWell = [&](MapCell from, MapCell to) {
        EXPECT_TRUE(Open(to.x, to.y)) << Where(from.x, from.y) << " lands in a wall at " << Where(to.x, to.y);
        EXPECT_EQ(map.eventAt(to.x, to.y), 0) << Where(from.x, from.y) << " lands on a trigger";
    };
    // Every circle cell there will ever be: the list's, the landings that
    // circles open, and the one the two seal keepers open.
    std::vector<MapCell> circles;
    for (const Item& i : items) {
        if (i.code == 14 || i.code == 15) {
            EXPECT_TRUE(FindFieldWarp(i.code, i.y)) << "stairs on a row where they do nothing " << Where(i.x, i.y);
        }
        if (auto warp = FindFieldWarp(i.code, i.y)) landsWell({i.x, i.y}, WarpLanding(*warp, {i.x, i.y}));
        if (i.code == 18 || i.code == 19) circles.push_back({i.x, i.y});
    }
    EXPECT_EQ(map.eventAt(79, 273), 0) << "the seals' circle appears only when both are broken";
    EXPECT_TRUE(Open(79, 273));
    circles.push_back({79, 273});
    const auto underground = [](MapCell c) { return c.y > 380 && (c.y < 460 || c.x < 43); };
    std::set<int> rowsUsed;
    for (size_t k = 0; k < circles.size(); ++k) {
        const MapCell from = circles[k];
        const auto circle = FindMagicCircle(from.y);
        ASSERT_TRUE(circle) << "a circle without a destination at " << Where(from.x, from.y);
        rowsUsed.insert(from.y);
        const MapCell to = CircleLanding(*circle, from);
        landsWell(from, to);
        if (circle->opensWayBack && std::find(circles.begin(), circles.end(), to) == circles.end())
            circles.push_back(to);
        const CircleMusic music = underground(to) == underground(from) ? CircleMusic::Keep
                                  : underground(to)                    ? CircleMusic::Underground
                                                                       : CircleMusic::Field;
        EXPECT_EQ(circle->music, music) << "music of the circle at " << Where(from.x, from.y);
    }
    for (const MagicCircle& circle : kMagicCircles)
        EXPECT_TRUE(rowsUsed.count(circle.row)) << "no circle uses the table's row " << circle.row;
    const auto seventeen = FindMagicCircle(17);
    ASSERT_TRUE(seventeen);
    EXPECT_TRUE(seventeen->relative && seventeen->x == -1 && seventeen->y == 20 && seventeen->storesReturnPoint);
    EXPECT_EQ(CountOf(7), 1) << "one dark pit";
    const MapCell cave = WarpLanding(*FindFieldWarp(7, 0), {0, 0});
    EXPECT_TRUE(cave.y >= 130 && cave.y <= 179) << "the pit leads into the dark cave";
}

TEST_F(WorldFiles, TheStoneLaneOfRow196) {
    int keeper = -1;
    for (const Item& i : items)
        if (i.code == 1 && i.y == 196) keeper = i.x;
    ASSERT_GE(keeper, 21);
    EXPECT_EQ(map.eventAt(keeper, 195), 1) << "the keeper's second place is held from the start";
    EXPECT_FALSE(Open(keeper - 1, 195) || Open(keeper + 1, 195)) << "the keeper's row-195 cell is a one-cell gap";
    for (int x = 12; x < keeper; ++x) {
        EXPECT_TRUE(IsRockTerrain(map.terrainAt(x, 196))) << "the stone cannot roll over " << Where(x, 196);
        EXPECT_EQ(map.eventAt(x, 196), 0) << Where(x, 196);
    }
}

TEST_F(WorldFiles, TheRaceTrackIsClosedWindingAndLapsBackToTheStart) {
    ASSERT_TRUE(Open(114, 487));
    std::vector<char> seen(kMapFileSize, 0);
    std::vector<MapCell> stack{{114, 487}};
    std::set<int> top, bottom;
    int north = 487;
    while (!stack.empty()) {
        const MapCell c = stack.back();
        stack.pop_back();
        char& mark = seen[size_t(c.y) * kTerrainColumns + size_t(c.x)];
        if (mark || !Open(c.x, c.y)) continue;
        mark = 1;
        ASSERT_GT(c.x, 100) << "the track opens into the adventure at " << Where(c.x, c.y);
        north = std::min(north, c.y);
        if (c.y == 47) top.insert(c.x);
        if (c.y == 487) bottom.insert(c.x);
        for (MapCell n : {MapCell{c.x + 1, c.y}, MapCell{c.x - 1, c.y}, MapCell{c.x, c.y + 1}, MapCell{c.x, c.y - 1}})
            stack.push_back(n);
    }
    EXPECT_LE(north, 46) << "a lap ends north of row 48";
    EXPECT_FALSE(top.empty());
    EXPECT_TRUE(std::includes(bottom.begin(), bottom.end(), top.begin(), top.end()))
        << "the racer is put back on row 487 in the column he had";
    for (int x = 101; x < kTerrainColumns; ++x) {
        bool straight = true;
        for (int y = 48; y <= 487 && straight; ++y) straight = Open(x, y);
        EXPECT_FALSE(straight) << "column " << x << " runs straight through; the curves should need steering";
    }
}

}  // namespace
}  // namespace zanbora::world
