#include "game/view/FieldGeometry.h"

#include <cmath>
#include <cstdlib>

#include "game/core/Game.h"

namespace zanbora {

int SightRadius(double heroY) {
    // The view is drawn from the whole cell, so the dark rows are 130..179
    // whatever part of the cell the feet are in.
    const int64_t row = Int(heroY);
    return row > 129 && row < 180 ? 3 : 4;
}

double SubCellOffset(double v) {
    // nearbyint rounds halves to even in the default rounding mode.
    long long hundredths = std::llround(std::nearbyint(100.0 * v));
    return double(hundredths % 100) / 100.0;
}

CellCorner ProjectCell(int dx, int dy, double fx, double fy) {
    double across = dx - fx, depth = 5 + dy - fy;
    return {160 + 3 * across * (13 + dy - fy), 80 + 3 * depth * depth + std::fabs(across), 1 + dy - fy};
}

// Pixel positions round halves to even, as the drawing calls of the
// original platform did with real arguments.
static int Pixel(double v) { return int(std::nearbyint(v)); }

CellRect CellRectangle(int dx, int dy, double fx, double fy) {
    CellCorner corner = ProjectCell(dx, dy, fx, fy);
    CellCorner right = ProjectCell(dx + 1, dy, fx, fy);
    CellCorner below = ProjectCell(dx, dy + 1, fx, fy);
    return {Pixel(corner.x), Pixel(corner.y), Pixel(right.x), Pixel(below.y)};
}

void CastSightRays(const MapLayers& map, int cx, int cy, int radius, const double* sinTab, const double* cosTab,
                   SightGrid& sight) {
    for (int k = 0; k <= 80; ++k) {
        int thick = 0;
        for (int r = 0; r <= radius; ++r) {
            int ox = Int(r * cosTab[k] + 0.5), oy = Int(r * sinTab[k] + 0.5);
            sight.cell[ox + 6][oy + 6] = true;
            if (r == 0) continue;  // the hero's own cell never blinds him
            int t = map.terrainAt(cx + ox, cy + oy);
            if (t == 0 || t == 1 || t == 7 || t == 8 || t == 13) break;
            if (t == 2 || t == 3) {
                if (++thick >= 3) break;
            } else if (t == 4) {
                if (++thick >= 2) break;
            }
        }
    }
}

}  // namespace zanbora
