// The bot's way finding on the built world: walks that keep off other
// people's cells, ride the circles, stop at shut gates, and training ground
// outside the safe hall.
#include <gtest/gtest.h>

#include "Paths.h"
#include "WorldStory.h"
#include "game/core/TerrainCodes.h"

namespace zanbora::playthrough {
namespace {

// Follows a walk cell by cell as the field would: every step enters the
// next cell, and warps and circles land where the step says.
MapCell Follow(const MapLayers& map, MapCell from, const std::vector<PathStep>& path) {
    constexpr MapCell kMoves[4] = {{-1, 0}, {0, -1}, {1, 0}, {0, 1}};
    MapCell at = from;
    for (const PathStep& step : path) {
        const MapCell next{at.x + kMoves[step.direction].x, at.y + kMoves[step.direction].y};
        EXPECT_EQ(next, step.enter) << "step from (" << at.x << ", " << at.y << ")";
        EXPECT_TRUE(world::Walkable(map, next));
        at = step.arrive;
    }
    return at;
}

TEST(PlaythroughPaths, WalksThroughTheHallAndOutOfItsCircle) {
    world::Story story = world::NewGame();
    const MapCell start{54, 481};
    // The mentor stands in the training ground: the walk ends on him and
    // meets nobody else on the way.
    auto toMentor = FindPath(story.map, start, {60, 488});
    ASSERT_TRUE(toMentor);
    EXPECT_EQ(Follow(story.map, start, *toMentor), (MapCell{60, 488}));
    for (size_t i = 0; i + 1 < toMentor->size(); ++i)
        EXPECT_EQ(KindOf(story.map, (*toMentor)[i].enter), CellKind::Free);

    // The hall's way out is shut until the graduation is over.
    EXPECT_FALSE(FindPath(story.map, start, {50, 13}));
    story.map.setEvent(56, 480, 0);
    auto outside = FindPath(story.map, start, {50, 13});
    ASSERT_TRUE(outside);
    // The walk rides the circle of row 470 to the clearing in the north.
    bool rodeCircle = false;
    for (const PathStep& step : *outside)
        if (step.enter.y == 470 && step.arrive == (MapCell{50, 8})) rodeCircle = true;
    EXPECT_TRUE(rodeCircle);
    EXPECT_EQ(Follow(story.map, start, *outside), (MapCell{50, 13}));
}

TEST(PlaythroughPaths, BossesAndDoorsAreEnteredOnlyAsTheGoal) {
    world::Story story = world::NewGame();
    // The iron grate of row 40 and ROBO of row 52 stop a walk that passes by.
    EXPECT_EQ(KindOf(story.map, {68, 40}), CellKind::Stops);
    EXPECT_EQ(KindOf(story.map, {90, 52}), CellKind::Stops);
    EXPECT_EQ(KindOf(story.map, {63, 16}), CellKind::Person);
    auto toGrate = FindPath(story.map, {66, 38}, {68, 40});
    ASSERT_TRUE(toGrate);
    EXPECT_EQ(toGrate->back().enter, (MapCell{68, 40}));
    EXPECT_FALSE(FindPath(story.map, {66, 38}, {68, 43})) << "the yard behind the grate is open";
}

TEST(PlaythroughPaths, TrainingGroundLiesOutsideTheSafeHall) {
    world::Story story = world::NewGame();
    auto spot = FindTrainingSpot(story.map, {50, 13});
    ASSERT_TRUE(spot);
    EXPECT_LE(spot->cell.y, 440);
    EXPECT_EQ(story.map.eventAt(spot->cell.x, spot->cell.y), 0);
    EXPECT_EQ(story.map.eventAt(spot->step.enter.x, spot->step.enter.y), 0);
    EXPECT_LE(std::abs(spot->cell.x - spot->step.enter.x) + std::abs(spot->cell.y - spot->step.enter.y), 1);
    // From the hall, with its way out shut, there is none.
    EXPECT_FALSE(FindTrainingSpot(story.map, {54, 481}));
}

TEST(PlaythroughPaths, TrainingGroundOfTheKindAsked) {
    world::Story story = world::NewGame();
    // Ground further south than the clearing's zone, for a stronger hero.
    auto south = FindTrainingSpot(story.map, {50, 13}, [](MapCell c) { return c.y >= 20; });
    ASSERT_TRUE(south);
    EXPECT_GE(south->cell.y, 20);
    EXPECT_GE(south->step.enter.y, 20);
    // Nothing suits: none.
    EXPECT_FALSE(FindTrainingSpot(story.map, {50, 13}, [](MapCell) { return false; }));
}

TEST(PlaythroughPaths, InnsAndSpringsInReach) {
    world::Story story = world::NewGame();
    // Where the temple hole drops the hero: the dungeon's spring is near,
    // the nearest inn is out through its circle to the south shore.
    const MapCell landing{33, 334}, spring{45, 345};
    EXPECT_EQ(FindNearestInn(story.map, landing, true), spring);
    auto inn = FindNearestInn(story.map, landing);
    ASSERT_TRUE(inn);
    EXPECT_EQ(story.map.terrainAt(inn->x, inn->y), kInnTerrain);
    EXPECT_LT(inn->y, 330);
    // Once drunk the spring is gone.
    story.map.setEvent(spring.x, spring.y, 0);
    EXPECT_EQ(FindNearestInn(story.map, landing, true), inn);
    // In the castle the way back to its town rides the maze's passage.
    story.map.setEvent(50, 420, 0);  // 岩ドラゴン beaten
    auto castleInn = FindNearestInn(story.map, {45, 430});
    ASSERT_TRUE(castleInn);
    EXPECT_EQ(story.map.terrainAt(castleInn->x, castleInn->y), kInnTerrain);
    // Before the throne, only the spring: no inn can be reached from there.
    EXPECT_EQ(FindNearestInn(story.map, {94, 483}, true), (MapCell{92, 483}));
    EXPECT_FALSE(FindNearestInn(story.map, {94, 483}));
    // From the hall, with its way out shut, there is none.
    EXPECT_FALSE(FindNearestInn(story.map, {54, 481}, true));
}

}  // namespace
}  // namespace zanbora::playthrough
