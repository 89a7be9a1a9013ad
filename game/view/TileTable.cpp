#include "game/view/TileTable.h"

#include <cstdint>

namespace zanbora {

namespace {

constexpr GroundArt kNoGround{0, 0, 0, 0};
constexpr GroundArt kGrass{0, 48, 64, 64};
constexpr GroundArt kFlowers{0, 112, 64, 64};
constexpr StandingArt kNothingStands{-1, 0};

// Terrain codes 0..15 (see the table of cells in assets/art/SHEETS.md).
constexpr TerrainArt kTerrainArt[16] = {
    /* 0 rock cliff */ {kNoGround, kNoGround, 0, 1, {160, 64}},
    /* 1 brick wall */ {kNoGround, kNoGround, 0, 1, {208, 64}},
    /* 2 forest floor under the canopy */ {kGrass, kNoGround, 0, 1, {352, 64}},
    /* 3 dense trees */ {kGrass, kNoGround, 0, 1, {304, 64}},
    /* 4 bushes and boulders */ {kGrass, kNoGround, 0, 1, {160, 192}},
    /* 5 lake */ {{64, 0, 64, 64}, kNoGround, 0, 1, kNothingStands},
    /* 6 dirt road */ {{0, 176, 64, 64}, kNoGround, 0, 1, kNothingStands},
    /* 7 palisade */ {kNoGround, kNoGround, 0, 1, {256, 64}},
    /* 8 passage through rock, looks like rock */ {kNoGround, kNoGround, 0, 1, {160, 64}},
    /* 9 ladder, stairs */ {{352, 0, 48, 64}, kNoGround, 0, 1, kNothingStands},
    /* 10 grass, here and there flowers */ {kGrass, kFlowers, 7, 1, kNothingStands},
    /* 11 sea, four frames */ {{160, 0, 48, 64}, kNoGround, 0, 4, kNothingStands},
    /* 12 inn square */ {{64, 192, 64, 64}, kNoGround, 0, 1, kNothingStands},
    /* 13 passage through brick, looks like brick */ {kNoGround, kNoGround, 0, 1, {208, 64}},
    /* 14 cave floor */ {{64, 64, 64, 64}, kNoGround, 0, 1, kNothingStands},
    /* 15 wooden floor, bridge */ {{64, 128, 64, 64}, kNoGround, 0, 1, kNothingStands},
};

constexpr TerrainArt kVoid{kNoGround, kNoGround, 0, 1, kNothingStands};

constexpr int kEventSprites = 45;  // codes 1..45 have a cell in item_c

uint32_t CellHash(int c, int w) {
    uint32_t h = uint32_t(c) * 73856093u ^ uint32_t(w) * 19349663u;
    h ^= h >> 13;
    h *= 0x5bd1e995u;
    return h ^ (h >> 15);
}

}  // namespace

const TerrainArt& TerrainArtOf(int code) {
    if (code < 0 || code >= 16) return kVoid;
    return kTerrainArt[code];
}

bool EventSpriteOf(int code, int& sx, int& sy) {
    if (code < 1 || code > kEventSprites) return false;
    sx = kEventSprite * (code - 1);
    sy = 0;
    return true;
}

int CellVariant(int c, int w, int oneIn) {
    if (oneIn <= 0) return 0;
    return CellHash(c, w) % uint32_t(oneIn) == 0 ? 1 : 0;
}

}  // namespace zanbora
