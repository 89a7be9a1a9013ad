#pragma once
// The field's own block copies. The field redraws three layers and the hero
// every frame, so these work row by row with the raster operation fixed per
// call instead of per pixel. Same rules as Surface: the destination clips,
// the source reads black outside its picture.
#include "game/core/Surface.h"

namespace zanbora {

// Block copy (x, y, w, h) <- src (sx, sy) with a raster operation.
void FastBlt(Surface& dst, int x, int y, int w, int h, const Surface& src, int sx, int sy, Rop rop);
// Stretched copy (nearest pixel) of src (sx, sy, sw, sh) into (x, y, w, h)
// with a raster operation.
void StretchBlt(Surface& dst, int x, int y, int w, int h, const Surface& src, int sx, int sy, int sw, int sh,
                Rop rop);
// A sprite over its mask in one pass: dst = (dst AND mask) OR sprite, the
// mask at (mx, my) and the sprite at (px, py) of src, both w x h.
void MaskPaintBlt(Surface& dst, int x, int y, int w, int h, const Surface& src, int mx, int my, const Surface& paint,
                  int px, int py);
// The same, stretched (nearest pixel) from sw x sh cells of one sheet.
void MaskPaintStretch(Surface& dst, int x, int y, int w, int h, const Surface& sheet, int mx, int my, int px, int py,
                      int sw, int sh);
// Fills (x, y, w, h) with the texture src (sx, sy, tw, th) repeated from its
// top-left corner, by copy.
void TileBlt(Surface& dst, int x, int y, int w, int h, const Surface& src, int sx, int sy, int tw, int th);
// The whole surface in one colour.
void FillAll(Surface& dst, uint32_t colour);

}  // namespace zanbora
