// The bot plays the start of the game through the keys: out of the hall's
// training ground and across the northern island, fighting and growing.
#include <gtest/gtest.h>

#include "PlaythroughRun.h"

namespace zanbora::playthrough {
namespace {

TEST(Playthrough, FirstLegs) {
    PlaythroughRun run("first-legs", SeedFromEnvironment(20261208));
    const size_t legs = 7;
    const RunSummary summary = run.play(legs);
    EXPECT_EQ(summary.outcome, "finished");
    ASSERT_EQ(summary.legs.size(), legs);
    // Nobody walks the island without a fight, and every fight is counted.
    int battles = 0;
    for (const LegRecord& leg : summary.legs) battles += leg.battles;
    EXPECT_GT(battles, 0);
    EXPECT_EQ(run.bot->battles(), battles);
    EXPECT_GE(run.game->player.Level, world::MainRoute()[legs - 1].level);
}

}  // namespace
}  // namespace zanbora::playthrough
