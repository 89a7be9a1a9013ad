#pragma once
// The world: the terrain map read from map.dat (never written) and the event
// layer that play changes and saves keep.
#include <cstdint>
#include <string>
#include <vector>

namespace zanbora {

constexpr int kTerrainColumns = 140;
constexpr int kTerrainRows = 506;
constexpr size_t kMapFileSize = size_t(kTerrainColumns) * kTerrainRows;  // 70,840 bytes
constexpr int kEventColumns = 101;
constexpr int kEventRows = 600;  // the save's map block reaches row 590
// The event code of a healing spring: one drink heals the hero, and the
// spring dries up (its code is cleared).
constexpr int kSpringCode = 22;

struct MapLayers {
    std::vector<uint8_t> terrain = std::vector<uint8_t>(kMapFileSize, 0);
    std::vector<int16_t> events = std::vector<int16_t>(size_t(kEventColumns) * kEventRows, 0);

    // Cells outside the map read as 0 (a wall) and writes there are dropped.
    int terrainAt(int x, int y) const {
        if (x < 0 || y < 0 || x >= kTerrainColumns || y >= kTerrainRows) return 0;
        return terrain[size_t(y) * kTerrainColumns + size_t(x)];
    }
    int eventAt(int x, int y) const {
        if (x < 0 || y < 0 || x >= kEventColumns || y >= kEventRows) return 0;
        return events[size_t(y) * kEventColumns + size_t(x)];
    }
    void setEvent(int x, int y, int code) {
        if (x < 0 || y < 0 || x >= kEventColumns || y >= kEventRows) return;
        events[size_t(y) * kEventColumns + size_t(x)] = int16_t(code);
    }
};

// Reads map.dat into the terrain layer. On failure returns false and says why
// in `problem` (missing, not readable, not a plain file, or not 70,840
// bytes); the layer is untouched. Nothing past 70,840 bytes is ever read.
bool LoadTerrainFile(const std::string& path, MapLayers& map, std::string& problem);

// Applies the new-game item list (lines "x,y,code") to the event layer.
// Returns false when the file cannot be read (or is far larger than any
// list of 120 lines); malformed lines are skipped.
constexpr size_t kItemListLimit = 64 * 1024;
bool ApplyItemList(const std::string& path, MapLayers& map);
void ApplyItemListText(const std::string& text, MapLayers& map);

}  // namespace zanbora
