#pragma once
// What every terrain code and event code of the map looks like on the field:
// where its pictures lie on the sheets (cg/map_c.bmp, cg/item_c.bmp; the
// cells are listed in assets/art/SHEETS.md) and how they are laid down.
namespace zanbora {

// A 64-high ground texture of map_c, tiled over the cell's rectangle in the
// ground layer. width 0: the cell has no ground (stays black).
struct GroundArt {
    int sx, sy, width, height;
};

// Something that stands on the cell: a 48 x 64 picture of map_c whose mask
// lies 64 pixels below it, stretched to the cell's width and 4/3 of it high,
// its bottom on the cell's bottom edge.
struct StandingArt {
    int sx, sy;  // sx < 0: nothing stands on the cell
};

struct TerrainArt {
    GroundArt ground;
    GroundArt variantGround;  // used by cells whose variant number is 1
    int variantOneIn;         // 1 cell in this many gets variant 1 (0: never)
    int framesAcross;         // > 1: animated, frame AmbientPhase is sx + width * phase
    StandingArt standing;
};

constexpr int kStandingWidth = 48;
constexpr int kStandingHeight = 64;
constexpr int kMaskBelow = 64;

// The art of a terrain code; codes 16 and above are the black void.
const TerrainArt& TerrainArtOf(int code);

// Event objects are the 20 x 20 cells of item_c, mask 20 pixels below;
// codes without a picture give false.
constexpr int kEventSprite = 20;
bool EventSpriteOf(int code, int& sx, int& sy);

// The variant number of map cell (c, w): fixed per cell, so the same cell
// always looks the same; 0 for most cells.
int CellVariant(int c, int w, int oneIn);

}  // namespace zanbora
