// Plays the world through on paper: every leg of the intended route can be
// walked with the gates passed so far, and no gate can be slipped past
// before its time, not even by cutting wall corners or by fleeing.

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "WorldStory.h"
#include "game/core/TerrainCodes.h"

namespace zanbora::world {
namespace {

std::string Where(MapCell c) {
    return "(" + std::to_string(c.x) + ", " + std::to_string(c.y) + ")";
}

// Where the stone lies in row 196, or -1.
int StoneColumn(const MapLayers& map) {
    for (int x = 0; x < kEventColumns; ++x)
        if (map.eventAt(x, 196) == 17) return x;
    return -1;
}

// Walks `legs` from the story's state; every cell the hero could stand on
// along the way is marked in `reached`.
void Walk(Story& story, const std::vector<Leg>& legs, std::vector<char>& reached) {
    for (const Leg& leg : legs) {
        SCOPED_TRACE(std::string(leg.what) + " at " + Where(leg.goal));
        story.hero.level = leg.level;
        const Reach reach = Explore(story.map, story.at, story.hero, world::Walk::Strict);
        for (size_t i = 0; i < reached.size(); ++i) reached[i] |= reach.standing[i] | reach.entered[i];
        if (leg.behind) {
            // Before the gate: a door still shut, whatever level the leg expects.
            Hero before = story.hero;
            if (story.map.eventAt(leg.goal.x, leg.goal.y) == 20) before.level = DoorLevel(leg.goal.y) - 1;
            MapLayers copy = story.map;
            const Reach loose = Explore(copy, story.at, before, world::Walk::Loose);
            ASSERT_FALSE(loose.at(*leg.behind)) << Where(*leg.behind) << " can be reached before this gate";
        }
        if (leg.step == Step::Enter) {
            ASSERT_TRUE(reach.canEnter(story.map, leg.goal)) << "the hero cannot get there from " << Where(story.at);
            reached[size_t(leg.goal.y) * kTerrainColumns + size_t(leg.goal.x)] = 1;
            ASSERT_EQ(Trigger(story, leg.goal), "");
        } else {
            const int stone = StoneColumn(story.map);
            ASSERT_GE(stone, 0) << "the keeper has not thrown his stone";
            ASSERT_TRUE(reach.at({stone, 196})) << "the hero cannot get to the stone";
            ASSERT_EQ(KickStone(story, leg.goal.x), "");
            story.at = {leg.goal.x - 1, 196};
        }
    }
}

// Everything a player may do besides the way to the end, from the castle's
// last room: the two medal bosses off the road, the level-40 door, the
// hall's hosts, the first island's corners and the forest valley behind the
// level-15 door.
const std::vector<Leg>& SideTrips() {
    static const std::vector<Leg> trips = {
        {"back up from the castle to the temple shore", Step::Enter, {50, 384}, 40, {}},
        {"boss 偽マメさん in the temple (level 19)", Step::Enter, {20, 287}, 40, {{13, 295}}},
        {"medal 偽マメさん", Step::Enter, {13, 295}, 40, {}},
        {"the heavy door of the temple (level 40)", Step::Enter, {40, 294}, 40, {{45, 294}}},
        {"the tough guy leaves for the hall", Step::Enter, {45, 294}, 40, {}},
        {"the spring behind the heavy door", Step::Enter, {35, 297}, 40, {}},
        {"the shore's circle to the warp building", Step::Enter, {70, 285}, 40, {}},
        {"the warp building's circle to the hall", Step::Enter, {66, 188}, 40, {}},
        {"the difficulty host", Step::Enter, {74, 474}, 40, {}},
        {"the duel host, the stone keeper", Step::Enter, {74, 478}, 40, {}},
        {"the race host, the racing bean", Step::Enter, {80, 483}, 40, {}},
        {"the crystal ball", Step::Enter, {80, 475}, 40, {}},
        {"the hall's town", Step::Enter, {68, 482}, 40, {}},
        {"the bean who tells why ザンボラ must fall", Step::Enter, {48, 485}, 40, {}},
        {"the bean who tells of the surface", Step::Enter, {52, 486}, 40, {}},
        {"the hall's circle out to the world", Step::Enter, {60, 470}, 40, {}},
        {"the guide again", Step::Enter, {50, 13}, 40, {}},
        {"the bean at the north cape", Step::Enter, {88, 0}, 40, {}},
        {"the bean at the challenge course", Step::Enter, {20, 20}, 40, {}},
        {"the bean lost in the course goes home", Step::Enter, {12, 38}, 40, {}},
        {"the spring at the end of the course", Step::Enter, {15, 39}, 40, {}},
        {"the circle home from the meadow", Step::Enter, {28, 24}, 40, {}},
        {"the HP host, the bean from the course", Step::Enter, {80, 479}, 40, {}},
        {"back to the meadow", Step::Enter, {64, 472}, 40, {}},
        {"the first town's circle to the grate yard", Step::Enter, {64, 17}, 40, {}},
        {"the spring in the secret room", Step::Enter, {65, 62}, 40, {}},
        {"the spring in the mountain maze", Step::Enter, {35, 119}, 40, {}},
        {"the door of the forest valley (level 15)", Step::Enter, {72, 124}, 40, {{85, 118}}},
        {"medal 大喰らい植物 in the valley", Step::Enter, {85, 118}, 40, {}},
        {"the dark pit again", Step::Enter, {7, 127}, 40, {}},
        {"boss ヘビチュ in the cave's ruins (level 20)", Step::Enter, {84, 162}, 40, {{84, 167}}},
        {"medal ヘビチュ", Step::Enter, {84, 167}, 40, {}},
    };
    return trips;
}

std::vector<Leg> AllButTheLastBoss() {
    std::vector<Leg> legs = MainRoute();
    legs.pop_back();
    return legs;
}

TEST(WorldRoute, TheMainRouteLeadsFromTheStartToTheEnding) {
    Story story = NewGame();
    std::vector<char> reached(kMapFileSize, 0);
    Walk(story, MainRoute(), reached);
    ASSERT_FALSE(::testing::Test::HasFatalFailure());
    EXPECT_EQ(story.map.eventAt(94, 478), 24) << "the last boss was not beaten";
    EXPECT_EQ(story.sealsMet, 2);
    // Medals 38, 39 and 40 lie off the road, behind a door and two bosses.
    for (int k : {0, 1, 5, 6, 7, 8, 9}) EXPECT_TRUE(story.mascots[size_t(k)]) << "mascot " << k;
}

TEST(WorldRoute, TheTrainingGroundOpensOnlyThroughTheTrainer) {
    Story story = NewGame();
    story.map.setEvent(56, 480, 2);  // as if the trainer's cell were a wall
    const Reach loose = Explore(story.map, story.at, story.hero, world::Walk::Loose);
    EXPECT_TRUE(loose.at({60, 488})) << "the mentor";
    EXPECT_FALSE(loose.at({57, 480})) << "the hall behind the trainer";
}

TEST(WorldRoute, TheTollTakesTheTrainersChange) {
    Story story = NewGame();
    std::vector<char> reached(kMapFileSize, 0);
    std::vector<Leg> legs = MainRoute();
    const auto toll = std::find_if(legs.begin(), legs.end(), [](const Leg& l) { return l.goal == MapCell{45, 31}; });
    ASSERT_NE(toll, legs.end());
    legs.erase(toll + 1, legs.end());
    Walk(story, legs, reached);
    EXPECT_EQ(story.money, 0) << "a new hero leaves the trainer with 200 sen and pays them here";
    EXPECT_EQ(story.map.eventAt(45, 31), 0);
}

TEST(WorldRoute, SideTripsAndWhatNoRouteReaches) {
    Story story = NewGame();
    std::vector<char> reached(kMapFileSize, 0);
    Walk(story, AllButTheLastBoss(), reached);
    ASSERT_FALSE(::testing::Test::HasFatalFailure());
    Walk(story, SideTrips(), reached);
    ASSERT_FALSE(::testing::Test::HasFatalFailure());
    Walk(story, {MainRoute().back()}, reached);
    ASSERT_FALSE(::testing::Test::HasFatalFailure());

    // Walkable areas of the adventure (columns 0..100) that no leg reached.
    std::vector<char> seen = reached;
    std::ostringstream unreached;
    for (int y = 0; y < kTerrainRows; ++y)
        for (int x = 0; x <= 100; ++x) {
            const MapCell start{x, y};
            if (seen[size_t(y) * kTerrainColumns + size_t(x)] || !Walkable(story.map, start)) continue;
            int cells = 0, x0 = x, x1 = x, y0 = y, y1 = y;
            std::vector<MapCell> stack{start};
            seen[size_t(y) * kTerrainColumns + size_t(x)] = 1;
            while (!stack.empty()) {
                const MapCell c = stack.back();
                stack.pop_back();
                ++cells;
                x0 = std::min(x0, c.x), x1 = std::max(x1, c.x), y0 = std::min(y0, c.y), y1 = std::max(y1, c.y);
                for (MapCell n : {MapCell{c.x + 1, c.y}, MapCell{c.x - 1, c.y}, MapCell{c.x, c.y + 1},
                                  MapCell{c.x, c.y - 1}}) {
                    if (n.x < 0 || n.x > 100 || !Walkable(story.map, n)) continue;
                    char& mark = seen[size_t(n.y) * kTerrainColumns + size_t(n.x)];
                    if (!mark) mark = 1, stack.push_back(n);
                }
            }
            unreached << cells << " cells in columns " << x0 << ".." << x1 << ", rows " << y0 << ".." << y1 << "\n";
        }
    std::cout << "Walkable areas no route reaches:\n" << (unreached.str().empty() ? "none\n" : unreached.str());
    EXPECT_EQ(unreached.str(), "");
}

}  // namespace
}  // namespace zanbora::world
