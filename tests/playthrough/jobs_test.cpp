// Every job the trainer can give, played by the bot as far as the first
// boss, ROBO, and his medal: the answers pick the job, and each job can win
// its way there.
#include <gtest/gtest.h>

#include "PlaythroughRun.h"
#include "game/party/JobTables.h"

namespace zanbora::playthrough {
namespace {

constexpr size_t kToRoboMedal = 20;

class JobToRobo : public ::testing::TestWithParam<int> {};

TEST_P(JobToRobo, WinsTheFirstMedal) {
    const int job = GetParam();
    PlaythroughRun run("job" + std::to_string(job) + "-to-robo", SeedFromEnvironment(20261209 + job));
    ASSERT_EQ(world::MainRoute()[kToRoboMedal - 1].what, std::string("medal ROBO"));
    const RunSummary summary = run.play({kToRoboMedal, job, {}});
    EXPECT_EQ(summary.job, JobByCode(job).name);
    EXPECT_EQ(summary.outcome, "finished");
    EXPECT_EQ(summary.legs.size(), kToRoboMedal);
    EXPECT_NE(run.game->player.MascotOwned[1], 0) << "no ROBO medal";
}

INSTANTIATE_TEST_SUITE_P(Playthrough, JobToRobo, ::testing::Range(0, 8));

}  // namespace
}  // namespace zanbora::playthrough
