// The bot plays the whole game through the keys on an optimised build, from
// the start screen to the credits: the run is the game logic's benchmark,
// and its report (legs, levels, battles, frames, virtual minutes, wall
// seconds) and its game folder are left under the build folder.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "PlaythroughRun.h"
#include "game/party/JobTables.h"
#include "game/shell/TextCodec.h"

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

TEST(Playthrough, WholeGame) {
    const int job = JobFromEnvironment();
    const char* named = std::getenv("ZANBORA_JOB");
    PlaythroughRun run(named ? "whole-game-job" + std::to_string(job) : "whole-game",
                       SeedFromEnvironment(20261209));
    const auto& route = world::MainRoute();
    ASSERT_EQ(route[kRoboLeg].what, std::string("boss ROBO"));
    const RunSummary summary = run.play({route.size(), job, kRoboLeg});
    EXPECT_EQ(summary.job, JobByCode(job).name);
    ASSERT_EQ(summary.outcome, "finished through the credits");
    ASSERT_EQ(summary.legs.size(), route.size());

    // The report holds every leg and the outcome.
    const std::string report = FileText(run.reportPath);
    EXPECT_EQ(report, FormatReport(summary));
    for (const LegRecord& leg : summary.legs) EXPECT_GT(leg.frames, 0) << leg.what;

    // The clear record: the hero's final numbers and an 11-character password.
    const std::string recordPath = run.folder + "/" + run.game->player.Name + ".txt";
    ASSERT_TRUE(std::filesystem::exists(recordPath)) << recordPath;
    const std::string record = Cp932ToUtf8(FileText(recordPath));
    const std::vector<std::string> lines = RecordLines(record);
    ASSERT_EQ(lines.size(), 15u) << record;
    EXPECT_EQ(lines[1], run.game->player.Name);
    EXPECT_EQ(lines[2], JobByCode(job).name);
    EXPECT_EQ(lines[3], "Lv:" + std::to_string(summary.legs.back().level));
    EXPECT_EQ(lines[13], "パスワード");
    EXPECT_EQ(Utf8Characters(lines[14]).size(), 11u) << lines[14];

    // Saved after legs, ended and started again every ten legs, and lost
    // ROBO once on purpose: each time the loaded game was the saved one.
    EXPECT_GE(run.bot->saves(), 3);
    EXPECT_GE(run.restarts, 3);
    EXPECT_EQ(run.reloadsAfterDefeat, 1);
    EXPECT_TRUE(run.reloadProblems.empty()) << run.reloadProblems.front();
}

}  // namespace
}  // namespace zanbora::playthrough
