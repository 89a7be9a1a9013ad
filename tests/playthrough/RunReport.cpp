#include "RunReport.h"

#include <cstdio>

#include "platform/SafeFile.h"

namespace zanbora::playthrough {

namespace {

std::string Line(const char* format, auto... values) {
    char buffer[512];
    std::snprintf(buffer, sizeof buffer, format, values...);
    return buffer;
}

}  // namespace

std::string FormatReport(const RunSummary& run) {
    std::string text = Line("seed %u  job %s\n", unsigned(run.seed), run.job.c_str());
    text += Line("%-58s %5s %7s %7s %8s %8s %8s %8s\n", "leg", "level", "battles", "defeats", "frames",
                 "minutes", "wall s", "frames/s");
    // Leg names are padded, never cut: a cut could split a character.
    LegRecord total;
    for (const LegRecord& leg : run.legs) {
        const double rate = leg.wallSeconds > 0 ? leg.frames / leg.wallSeconds : 0;
        text += Line("%-58s %5d %7d %7d %8d %8.1f %8.2f %8.0f\n", leg.what.c_str(), leg.level, leg.battles,
                     leg.defeats, leg.frames, leg.virtualMinutes, leg.wallSeconds, rate);
        total.battles += leg.battles;
        total.defeats += leg.defeats;
        total.frames += leg.frames;
        total.virtualMinutes += leg.virtualMinutes;
        total.wallSeconds += leg.wallSeconds;
        total.level = leg.level;
    }
    if (run.unfinished) {
        const LegRecord& leg = *run.unfinished;
        text += Line("%-58s %5d %7d %7d %8d %8.1f %8.2f\n", ("(unfinished) " + leg.what).c_str(), leg.level,
                     leg.battles, leg.defeats, leg.frames, leg.virtualMinutes, leg.wallSeconds);
        total.battles += leg.battles;
        total.defeats += leg.defeats;
        total.frames += leg.frames;
        total.virtualMinutes += leg.virtualMinutes;
        total.wallSeconds += leg.wallSeconds;
    }
    const double rate = total.wallSeconds > 0 ? total.frames / total.wallSeconds : 0;
    text += Line("%-58s %5d %7d %7d %8d %8.1f %8.2f %8.0f\n", "total", total.level, total.battles, total.defeats,
                 total.frames, total.virtualMinutes, total.wallSeconds, rate);
    text += "outcome: " + run.outcome + "\n";
    return text;
}

bool WriteReport(const std::string& path, const RunSummary& run, std::string& error) {
    return WriteFileAtomically(path, FormatReport(run), error);
}

}  // namespace zanbora::playthrough
