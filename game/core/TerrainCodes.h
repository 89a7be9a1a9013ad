#pragma once
// What the terrain codes of map.dat mean for walking. The map's size lives
// with the layers (MapLayers.h).

namespace zanbora {

// The hero may stand on these codes (2, 6, 8, 9, 10, 12, 13, 14, 15); every
// other code blocks.
constexpr bool IsWalkableTerrain(int code) {
    switch (code) {
        case 2: case 6: case 8: case 9: case 10: case 12: case 13: case 14: case 15:
            return true;
        default:
            return false;
    }
}

// The pushable rock (and the kicked stone) may be moved onto walkable ground
// except the ladders and stairs (code 9).
constexpr bool IsRockTerrain(int code) { return code != 9 && IsWalkableTerrain(code); }

// Code 12 is the inn square: stepping on it enters a town.
constexpr int kInnTerrain = 12;

}  // namespace zanbora
