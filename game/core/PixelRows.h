#pragma once
// Runs of pixels in one row: the inner loops of every fill and block copy.
// They work on whole blocks of eight pixels and then the rest, so that the
// compiler makes vector code of them even at -O2; a frame moves a few
// megabytes through these, and a pixel at a time was most of its time.
#include <cstddef>
#include <cstdint>

#include "game/core/Surface.h"

namespace zanbora {

// n pixels of one colour.
void FillPixels(uint32_t* out, size_t n, uint32_t colour);
// out[i] = out[i] <rop> src[i] for n pixels. The two runs may overlap; the
// result is then the one of a copy from left to right, a pixel at a time.
void CombinePixels(uint32_t* out, const uint32_t* src, size_t n, Rop rop);
// out[i] = (out[i] AND mask[i]) OR paint[i] for n pixels; overlapping runs
// give the result of going left to right, a pixel at a time.
void MaskPaintPixels(uint32_t* out, const uint32_t* mask, const uint32_t* paint, size_t n);

}  // namespace zanbora
