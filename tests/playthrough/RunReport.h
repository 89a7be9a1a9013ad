#pragma once
// The run's report: one line per leg (level, battles, defeats, frames,
// virtual minutes, wall seconds, frames per wall second) and the totals,
// written to a text file and printed.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "Autopilot.h"

namespace zanbora::playthrough {

struct RunSummary {
    uint32_t seed = 0;
    std::string job;
    std::string outcome;  // "finished" or why the bot stopped
    std::vector<LegRecord> legs;
    std::optional<LegRecord> unfinished;  // the leg the bot stopped in
};

std::string FormatReport(const RunSummary& run);
// Writes the report through the game's safe file writer; false on failure.
bool WriteReport(const std::string& path, const RunSummary& run, std::string& error);

}  // namespace zanbora::playthrough
