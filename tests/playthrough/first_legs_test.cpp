// The bot plays the start of the game through the keys: the title, the
// hall's training ground with its graduation, and out through the circle to
// the guide on the northern island.
#include <gtest/gtest.h>

#include "PlaythroughRun.h"

namespace zanbora::playthrough {
namespace {

TEST(Playthrough, FirstLegs) {
    PlaythroughRun run("first-legs", SeedFromEnvironment(20261208));
    const size_t legs = 5;
    const RunSummary summary = run.play({legs, 0, {}});
    EXPECT_EQ(summary.outcome, "finished");
    ASSERT_EQ(summary.legs.size(), legs);
    // The hall is safe: no battle on the way, and the hero is on the island.
    for (const LegRecord& leg : summary.legs) EXPECT_EQ(leg.battles, 0) << leg.what;
    EXPECT_EQ(run.bot->battles(), 0);
    EXPECT_LT(run.game->player.HeroY, 20);
    EXPECT_FALSE(run.game->player.Job.empty()) << "the graduation gave no job";
}

}  // namespace
}  // namespace zanbora::playthrough
