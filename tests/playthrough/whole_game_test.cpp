// The bot plays the whole game through the keys on an optimised build, from
// the start screen to the credits: the run is the game logic's benchmark,
// and its report (legs, levels, battles, frames, virtual minutes, wall
// seconds) and its game folder are left under the build folder.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "PlaythroughRun.h"
#include "game/core/TextCodec.h"
#include "game/party/JobTables.h"

namespace zanbora::playthrough {
namespace {

std::string FileText(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

// The lines of a clear record, without their CR LF.
std::vector<std::string> RecordLines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

constexpr size_t kRoboLeg = 18;  // boss ROBO, lost once on purpose

// 勇者マメ, the job the route's levels are measured for, unless ZANBORA_JOB
// names another (0..7, as the trainer's answers count).
int JobFromEnvironment() {
    const char* text = std::getenv("ZANBORA_JOB");
    const int job = text ? std::atoi(text) : 1;
    return job >= 0 && job < 8 ? job : 1;
}

// The legs played: the whole route, unless ZANBORA_LEGS=n asks for the
// first n only (past ROBO, who is lost on purpose).
size_t LegsFromEnvironment(size_t routeLegs) {
    const char* text = std::getenv("ZANBORA_LEGS");
    const size_t legs = text ? size_t(std::atoi(text)) : routeLegs;
    return legs > kRoboLeg && legs <= routeLegs ? legs : routeLegs;
}

// The clear record: the hero's final numbers and an 11-character password.
void CheckClearRecord(const PlaythroughRun& run, const RunSummary& summary, int job) {
    const std::string recordPath = run.folder + "/" + run.game->player.Name + ".txt";
    ASSERT_TRUE(std::filesystem::exists(recordPath)) << recordPath;
    const std::vector<std::string> lines = RecordLines(Cp932ToUtf8(FileText(recordPath)));
    ASSERT_EQ(lines.size(), 15u);
    EXPECT_EQ(lines[1], run.game->player.Name);
    EXPECT_EQ(lines[2], JobByCode(job).name);
    EXPECT_EQ(lines[3], "Lv:" + std::to_string(summary.legs.back().level));
    EXPECT_EQ(lines[13], "パスワード");
    EXPECT_EQ(Utf8Characters(lines[14]).size(), 11u) << lines[14];
}

TEST(Playthrough, WholeGame) {
    const int job = JobFromEnvironment();
    const auto& route = world::MainRoute();
    const size_t legs = LegsFromEnvironment(route.size());
    // Runs asked for through the environment keep their own folders, so
    // that runs of other seeds or jobs may play at the same time.
    std::string name = "whole-game";
    if (std::getenv("ZANBORA_JOB")) name += "-job" + std::to_string(job);
    if (std::getenv("ZANBORA_LEGS")) name += "-legs" + std::to_string(legs);
    const uint32_t seed = SeedFromEnvironment(20261209);
    if (std::getenv("ZANBORA_SEED")) name += "-seed" + std::to_string(seed);
    PlaythroughRun run(name, seed);
    ASSERT_EQ(route[kRoboLeg].what, std::string("boss ROBO"));
    const RunSummary summary = run.play({legs, job, kRoboLeg});
    EXPECT_EQ(summary.job, JobByCode(job).name);
    ASSERT_EQ(summary.outcome, legs == route.size() ? "finished through the credits" : "finished");
    ASSERT_EQ(summary.legs.size(), legs);

    // The report holds every leg and the outcome.
    EXPECT_EQ(FileText(run.reportPath), FormatReport(summary));
    for (const LegRecord& leg : summary.legs) EXPECT_GT(leg.frames, 0) << leg.what;
    if (legs == route.size()) CheckClearRecord(run, summary, job);

    // Saved after legs, ended and started again every ten legs, and lost
    // ROBO once on purpose: each time the loaded game was the saved one.
    EXPECT_GE(run.bot->saves(), 3);
    EXPECT_GE(run.restarts, int((legs - 1) / 10));
    EXPECT_EQ(run.reloadsAfterDefeat, 1);
    EXPECT_TRUE(run.reloadProblems.empty()) << run.reloadProblems.front();
}

}  // namespace
}  // namespace zanbora::playthrough
