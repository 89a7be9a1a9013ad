#include "PlaythroughRun.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <limits>

#include "game/core/Shutdown.h"
#include "game/flow/Startup.h"
#include "game/party/SaveFormat.h"
#include "platform/PngWriter.h"
#include "platform/SafeFile.h"
#include "support/BuildPaths.h"

namespace zanbora::playthrough {

namespace fs = std::filesystem;

namespace {

// A fresh game folder: the built map, item list and libraries copied, the
// pictures, sounds and music linked.
void PrepareFolder(const fs::path& dir) {
    std::error_code error;
    fs::remove_all(dir, error);
    fs::create_directories(dir);
    const fs::path built(testing::BuiltGameDir());
    for (const char* name : {"map.dat", "items.lst", "libPadPort.so", "libResMode.so"})
        if (fs::exists(built / name)) fs::copy_file(built / name, dir / name, error);
    for (const char* folder : {"cg", "wave", "midi"})
        if (fs::exists(built / folder)) fs::create_directory_symlink(built / folder, dir / folder, error);
}

// Runs live beside the built game folder.
std::string RunsDir() { return (fs::path(testing::BuiltGameDir()).parent_path() / "playthrough").string(); }

// ZANBORA_FRAMES=n keeps every n-th frame of the run as a PNG in the run's
// folder, to look at what the bot saw.
void KeepFramesFromEnvironment(HeadlessPlatform& screen, const std::string& folder) {
    const char* text = std::getenv("ZANBORA_FRAMES");
    const int every = text ? std::atoi(text) : 0;
    if (every <= 0) return;
    const fs::path frames = fs::path(folder) / "frames";
    fs::create_directories(frames);
    screen.onPresent = [frames, every, count = 0](const Pixels& frame) mutable {
        if (count++ % every != 0) return;
        char name[32];
        std::snprintf(name, sizeof name, "%08d.png", count - 1);
        std::ofstream(frames / name, std::ios::binary) << EncodePng(frame);
    };
}

}  // namespace

uint32_t SeedFromEnvironment(uint32_t fallback) {
    const char* text = std::getenv("ZANBORA_SEED");
    if (!text || !*text) return fallback;
    char* end = nullptr;
    const unsigned long value = std::strtoul(text, &end, 10);
    return *end == '\0' ? uint32_t(value) : fallback;
}

PlaythroughRun::PlaythroughRun(const std::string& name, uint32_t seedValue)
    : folder(RunsDir() + "/" + name),
      reportPath(RunsDir() + "/" + name + "-report.txt"),
      seed(seedValue) {
    PrepareFolder(folder);
    // The game draws its random numbers from the clock, so the seed is where
    // the virtual clock starts.
    screen.advance(int64_t(seed) % 1000000007);
    screen.quitAfterMs = std::numeric_limits<int64_t>::max() / 2;
    game = std::make_unique<Game>(screen, folder);
    KeepFramesFromEnvironment(screen, folder);
}

PlaythroughRun::~PlaythroughRun() = default;

namespace {

// The save's bytes as the game in memory would write them now.
std::string SaveBytesOf(const Game& game) {
    std::string bytes, problem;
    if (!SaveFileBytes(game.player, game.map, bytes, problem)) return "(no save: " + problem + ")";
    return bytes;
}

}  // namespace

RunSummary PlaythroughRun::play(const BotPlan& plan) {
    std::printf("playthrough %s: seed %u (replay with ZANBORA_SEED=%u)\n", fs::path(folder).filename().c_str(),
                unsigned(seed), unsigned(seed));
    bot = std::make_unique<Autopilot>(*game, screen, world::MainRoute(), plan);
    bool quitSent = false;
    // The last save as the game wrote it, to compare with the game loaded
    // from it after a restart or the chosen defeat.
    std::string savedBytes;
    int64_t savesSeen = 0;  // kept over restarts: loading a save is not a new one
    bool restartCheckPending = false, startSeen = false, defeatCheckPending = false;
    // A loaded game that differs is left beside the saved one in the run's
    // folder, to compare.
    const auto compareWithSave = [&](const std::string& when) {
        const std::string loaded = SaveBytesOf(*game);
        if (loaded == savedBytes) return;
        const std::string stem = folder + "/mismatch" + std::to_string(reloadProblems.size());
        std::string error;
        WriteFileAtomically(stem + "-saved.txt", savedBytes, error);
        WriteFileAtomically(stem + "-loaded.txt", loaded, error);
        reloadProblems.push_back("the game loaded " + when + " after leg " + std::to_string(bot->legIndex()) +
                                 " is not the one saved (see " + stem + "-*.txt)");
    };
    screen.autopilot = [&](HeadlessPlatform&) {
        if (Int(game->player.SaveCount) > savesSeen) {
            savesSeen = Int(game->player.SaveCount);
            savedBytes = SaveBytesOf(*game);
        }
        if (restartCheckPending) {
            startSeen = startSeen || game->start.visible;
            if (startSeen && !game->start.visible && bot->onField()) {
                restartCheckPending = false;
                compareWithSave("at a restart");
            }
        }
        defeatCheckPending = defeatCheckPending || bot->lostOnPurpose();
        if (defeatCheckPending && bot->onField()) {
            defeatCheckPending = false;
            ++reloadsAfterDefeat;
            compareWithSave("after the chosen defeat");
        }
        bot->onFrame();
        if (!quitSent && (bot->finished() || !bot->stuck().empty() || bot->restartWanted())) {
            quitSent = true;
            screen.eventAt(screen.ticks(), {PlatformEvent::Kind::Quit, 0});
        }
    };
    screen.onWait = [&](HeadlessPlatform&) { bot->onWait(); };
    for (;;) {
        try {
            Form_Load(*game);
        } catch (const ProgramEnd& end) {
            exitStatus = quitSent ? -1 : end.status;
        }
        if (!bot->restartWanted()) break;
        // A player who saved, quit and starts the game again.
        ++restarts;
        std::printf("  the program ends after the save of leg %zu and starts again\n", bot->legIndex());
        game = std::make_unique<Game>(screen, folder);
        bot->playOn(*game);
        quitSent = false;
        restartCheckPending = true;
        startSeen = false;
    }
    screen.autopilot = nullptr;
    screen.onWait = nullptr;

    RunSummary run;
    run.seed = seed;
    run.job = game->player.Job;
    run.legs = bot->legs();
    const bool throughTheCredits = bot->creditsSeen() && exitStatus == 0;
    if (!bot->finished() && !throughTheCredits) run.unfinished = bot->currentLeg();
    if (throughTheCredits) run.outcome = "finished through the credits";
    else if (bot->finished()) run.outcome = "finished";
    else if (!bot->stuck().empty()) run.outcome = "stopped at " + bot->stuck();
    else run.outcome = "the program ended with status " + std::to_string(exitStatus);
    std::string error;
    if (!WriteReport(reportPath, run, error)) std::printf("the report cannot be written: %s\n", error.c_str());
    std::printf("%s", FormatReport(run).c_str());
    return run;
}

}  // namespace zanbora::playthrough
