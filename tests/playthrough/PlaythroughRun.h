#pragma once
// One run of the game with the bot at the keys: a game folder of its own
// under the build folder (kept afterwards, with its saves, for a look), the
// seed from ZANBORA_SEED when set, and the report written beside it.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "Autopilot.h"
#include "RunReport.h"
#include "ScreenReader.h"

namespace zanbora::playthrough {

// The seed of this run: ZANBORA_SEED if it is set (and a number), else
// `fallback`.
uint32_t SeedFromEnvironment(uint32_t fallback);

struct PlaythroughRun {
    // `name` names the run's folder and report under the build folder.
    PlaythroughRun(const std::string& name, uint32_t seed);
    ~PlaythroughRun();

    // Starts the program and plays the plan's legs of the main route;
    // returns when the bot has finished or given up, or the program ended.
    // Writes the report and prints its summary.
    RunSummary play(const BotPlan& plan);

    std::string folder;      // the game folder
    std::string reportPath;  // the report file
    uint32_t seed;
    ScreenReader screen;
    std::unique_ptr<Game> game;
    std::unique_ptr<Autopilot> bot;
    int exitStatus = -1;  // the program's end status; -1 when the bot stopped it
    int restarts = 0;     // times the program was ended after a save and started again
    int reloadsAfterDefeat = 0;  // the chosen defeat's reloads compared with the save
    std::vector<std::string> reloadProblems;  // a loaded game that differed from its save
};

}  // namespace zanbora::playthrough
