// The bot plays the main route through the keys on an optimised build: the
// run is the game logic's benchmark, and its report (legs, levels, battles,
// frames, virtual minutes, wall seconds) is left under the build folder.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "PlaythroughRun.h"

namespace zanbora::playthrough {
namespace {

TEST(Playthrough, MainRouteBenchmark) {
    PlaythroughRun run("main-route", SeedFromEnvironment(20261209));
    const RunSummary summary = run.play(world::MainRoute().size());
    // The bot does not finish the game yet: it gets past ROBO and its laser
    // on the dragon rocks, the grates and cages, and the second ROBO, but not
    // the masked brother before the first seal. Falling back from there
    // means something broke on the way.
    ASSERT_GE(summary.legs.size(), 40u) << summary.outcome;
    std::ifstream file(run.reportPath);
    std::stringstream report;
    report << file.rdbuf();
    EXPECT_EQ(report.str(), FormatReport(summary));
    for (const LegRecord& leg : summary.legs) {
        EXPECT_NE(report.str().find(leg.what.substr(0, 40)), std::string::npos) << leg.what;
        EXPECT_GT(leg.frames, 0) << leg.what;
    }
    EXPECT_NE(report.str().find("outcome: " + summary.outcome), std::string::npos);
    // Saved, ended and started again every ten legs: the loaded game is the
    // saved one, and the bot played on from it.
    EXPECT_GE(run.restarts, 3);
    EXPECT_TRUE(run.reloadProblems.empty()) << run.reloadProblems.front();
}

}  // namespace
}  // namespace zanbora::playthrough
