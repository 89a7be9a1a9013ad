#pragma once
// Reading the world's text sources: the legend (character -> terrain code),
// the terrain grid (one character per cell) and the event list.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace worldtool {

constexpr int kColumns = 140;
constexpr int kRows = 506;
constexpr int kEventColumns = 101;  // events live in columns 0..100
constexpr int kEventRows = 591;     // the save keeps rows up to 590
constexpr int kEventCount = 120;    // the game reads exactly this many lines

struct Legend {
    std::array<int, 256> code;  // -1: not in the legend
    std::array<std::string, 256> meaning;
};

struct Event {
    int x, y, code;
    int line;  // in the source, for messages
};

// Each reader throws std::runtime_error with "file:line: what is wrong".
Legend ReadLegend(const std::string& path);
std::vector<uint8_t> ReadTerrain(const std::string& path, const Legend& legend);
std::vector<Event> ReadEvents(const std::string& path);

}  // namespace worldtool
