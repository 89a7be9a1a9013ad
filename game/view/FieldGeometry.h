#pragma once
// The geometry of the field view: the tilted ground plane, the sub-cell
// offsets and the sight rays around the hero.
#include "game/core/MapLayers.h"

namespace zanbora {

// The layers are the 288 x 288 field window after a 32-pixel margin; DrawHero
// copies the window from (32, 32) to Pic (30, 30).
constexpr int kLayerMargin = 32;
constexpr int kFieldWindow = 288;
constexpr int kLayerSize = kLayerMargin + kFieldWindow;
constexpr int kFieldOnPic = 30;

// The window: 7 columns (dx -3..3) by 9 rows (dy -4..4) around the hero.
constexpr int kViewHalfWidth = 3;
constexpr int kViewHalfDepth = 4;

// Sight radius: 4 cells, 3 in the dark caves of rows 130..179.
int SightRadius(double heroY);

// The fraction of a coordinate in hundredths: Round(100 v) mod 100 / 100,
// rounding halves to even (n.125 gives 0.12, n.375 gives 0.38).
double SubCellOffset(double v);

// A cell's corner in layer pixels and its row scale s = 1 + dy - fy:
// X = 160 + 3 (dx - fx)(13 + dy - fy), Y = 80 + 3 (5 + dy - fy)^2 + |dx - fx|.
struct CellCorner {
    double x, y, s;
};
CellCorner ProjectCell(int dx, int dy, double fx, double fy);

// The cell's rectangle on the layer in whole pixels: from its own corner to
// the corners of its right and lower neighbours, so neighbours meet exactly.
struct CellRect {
    int x0, y0, x1, y1;
    int width() const { return x1 - x0; }
    int height() const { return y1 - y0; }
};
CellRect CellRectangle(int dx, int dy, double fx, double fy);

// Which cells around (cx, cy) the hero sees: visible(dx, dy) for dx, dy in
// -6..6. 81 rays of radius+1 steps, 4.5 degrees apart; walls stop a ray,
// two cells of hedge or three of woods do too, and the cell that stops a
// ray is itself seen.
struct SightGrid {
    bool cell[13][13] = {};
    bool visible(int dx, int dy) const { return cell[dx + 6][dy + 6]; }
};
void CastSightRays(const MapLayers& map, int cx, int cy, int radius, const double* sinTab, const double* cosTab,
                   SightGrid& sight);

}  // namespace zanbora
