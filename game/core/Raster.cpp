#include "game/core/Raster.h"

#include <algorithm>
#include <cstdint>

#include "game/core/PixelRows.h"

namespace zanbora {

namespace {

template <Rop rop>
inline void Combine(uint32_t* out, uint32_t s) {
    if constexpr (rop == Rop::Copy) *out = s;
    if constexpr (rop == Rop::And) *out &= s;
    if constexpr (rop == Rop::Or) *out |= s;
    if constexpr (rop == Rop::Xor) *out ^= s;
}

// Black from outside the source: copy and AND make black, OR and XOR leave
// the destination as it is.
template <Rop rop>
void CombineBlack(uint32_t* out, int count) {
    if (count <= 0) return;
    if constexpr (rop == Rop::Copy || rop == Rop::And) FillPixels(out, size_t(count), 0);
}

// One destination row of a block copy: `count` pixels from src row `sy`
// starting at column `sx`; columns outside the source read black.
template <Rop rop>
void CopyRow(uint32_t* out, const Pixels& src, int sx, int sy, int count) {
    if (sy < 0 || sy >= src.height) {
        CombineBlack<rop>(out, count);
        return;
    }
    const uint32_t* row = src.data.data() + size_t(sy) * size_t(src.width);
    const int left = std::clamp(-sx, 0, count);
    const int right = std::max(left, std::min(count, src.width - sx));
    CombineBlack<rop>(out, left);
    if (right > left) CombinePixels(out + left, row + sx + left, size_t(right - left), rop);
    CombineBlack<rop>(out + right, count - right);
}

template <Rop rop>
void BltWith(Pixels& dst, int x, int y, int w, int h, const Pixels& src, int sx, int sy) {
    int x0 = std::max(0, -x), y0 = std::max(0, -y);
    int x1 = std::min(w, dst.width - x), y1 = std::min(h, dst.height - y);
    if (x0 >= x1) return;
    for (int j = y0; j < y1; ++j) CopyRow<rop>(&dst.at(x + x0, y + j), src, sx + x0, sy + j, x1 - x0);
}

template <Rop rop>
void StretchWith(Pixels& dst, int x, int y, int w, int h, const Pixels& src, int sx, int sy, int sw, int sh) {
    int x0 = std::max(0, -x), y0 = std::max(0, -y);
    int x1 = std::min(w, dst.width - x), y1 = std::min(h, dst.height - y);
    if (x0 >= x1) return;
    constexpr int kChunk = 1024;
    int columns[kChunk];
    for (int c0 = x0; c0 < x1; c0 += kChunk) {
        int c1 = std::min(x1, c0 + kChunk);
        for (int i = c0; i < c1; ++i) columns[i - c0] = sx + int(int64_t(i) * sw / w);
        for (int j = y0; j < y1; ++j) {
            int srcY = sy + int(int64_t(j) * sh / h);
            uint32_t* out = &dst.at(x + c0, y + j);
            if (srcY < 0 || srcY >= src.height) {
                for (int i = c0; i < c1; ++i) Combine<rop>(out + (i - c0), 0);
                continue;
            }
            const uint32_t* row = src.data.data() + size_t(srcY) * size_t(src.width);
            for (int i = c0; i < c1; ++i) {
                int srcX = columns[i - c0];
                Combine<rop>(out + (i - c0), srcX >= 0 && srcX < src.width ? row[srcX] : 0);
            }
        }
    }
}

// Source x of every destination column of a stretched copy, black (-1)
// outside the source.
struct ColumnMap {
    static constexpr int kMax = 1024;
    int column[kMax];
};

// True when every column lies inside the source.
bool MapColumns(ColumnMap& map, int c0, int c1, int sx, int sw, int w, int srcWidth) {
    bool inside = true;
    for (int i = c0; i < c1; ++i) {
        int srcX = sx + int(int64_t(i) * sw / w);
        inside = inside && srcX >= 0 && srcX < srcWidth;
        map.column[i - c0] = srcX >= 0 && srcX < srcWidth ? srcX : -1;
    }
    return inside;
}

inline uint32_t SourceAt(const uint32_t* row, int column) { return row && column >= 0 ? row[column] : 0; }

inline const uint32_t* SourceRow(const Pixels& src, int y) {
    return y >= 0 && y < src.height ? src.data.data() + size_t(y) * size_t(src.width) : nullptr;
}

}  // namespace

void MaskPaintBlt(Surface& dst, int x, int y, int w, int h, const Surface& src, int mx, int my, const Surface& paint,
                  int px, int py) {
    Pixels& out = dst.pixels();
    const Pixels &mask = src.pixels(), &colour = paint.pixels();
    int x0 = std::max(0, -x), y0 = std::max(0, -y);
    int x1 = std::min(w, out.width - x), y1 = std::min(h, out.height - y);
    if (x0 >= x1) return;
    const bool inside = mx + x0 >= 0 && mx + x1 <= mask.width && px + x0 >= 0 && px + x1 <= colour.width;
    for (int j = y0; j < y1; ++j) {
        uint32_t* o = &out.at(x + x0, y + j);
        if (inside && my + j >= 0 && my + j < mask.height && py + j >= 0 && py + j < colour.height) {
            // The usual case, the whole row inside both pictures.
            const uint32_t* m = SourceRow(mask, my + j) + (mx + x0);
            const uint32_t* p = SourceRow(colour, py + j) + (px + x0);
            MaskPaintPixels(o, m, p, size_t(x1 - x0));
            continue;
        }
        const uint32_t* m = SourceRow(mask, my + j);
        const uint32_t* p = SourceRow(colour, py + j);
        for (int i = x0; i < x1; ++i) {
            int mc = mx + i, pc = px + i;
            uint32_t mv = m && mc >= 0 && mc < mask.width ? m[mc] : 0;
            uint32_t pv = p && pc >= 0 && pc < colour.width ? p[pc] : 0;
            o[i - x0] = (o[i - x0] & mv) | pv;
        }
    }
}

void MaskPaintStretch(Surface& dst, int x, int y, int w, int h, const Surface& sheet, int mx, int my, int px, int py,
                      int sw, int sh) {
    if (w <= 0 || h <= 0 || sw <= 0 || sh <= 0) return;
    Pixels& out = dst.pixels();
    const Pixels& src = sheet.pixels();
    int x0 = std::max(0, -x), y0 = std::max(0, -y);
    int x1 = std::min(w, out.width - x), y1 = std::min(h, out.height - y);
    if (x0 >= x1) return;
    ColumnMap maskColumns, paintColumns;
    for (int c0 = x0; c0 < x1; c0 += ColumnMap::kMax) {
        int c1 = std::min(x1, c0 + ColumnMap::kMax);
        const bool maskInside = MapColumns(maskColumns, c0, c1, mx, sw, w, src.width);
        const bool paintInside = MapColumns(paintColumns, c0, c1, px, sw, w, src.width);
        const bool inside = maskInside && paintInside;
        for (int j = y0; j < y1; ++j) {
            int v = int(int64_t(j) * sh / h);
            const uint32_t* m = SourceRow(src, my + v);
            const uint32_t* p = SourceRow(src, py + v);
            uint32_t* o = &out.at(x + c0, y + j);
            if (inside && m && p) {
                // The usual case: both rows and every column inside the sheet.
                for (int i = 0; i < c1 - c0; ++i)
                    o[i] = (o[i] & m[maskColumns.column[i]]) | p[paintColumns.column[i]];
                continue;
            }
            for (int i = 0; i < c1 - c0; ++i)
                o[i] = (o[i] & SourceAt(m, maskColumns.column[i])) | SourceAt(p, paintColumns.column[i]);
        }
    }
}

void FastBlt(Surface& dst, int x, int y, int w, int h, const Surface& src, int sx, int sy, Rop rop) {
    switch (rop) {
        case Rop::Copy: BltWith<Rop::Copy>(dst.pixels(), x, y, w, h, src.pixels(), sx, sy); break;
        case Rop::And: BltWith<Rop::And>(dst.pixels(), x, y, w, h, src.pixels(), sx, sy); break;
        case Rop::Or: BltWith<Rop::Or>(dst.pixels(), x, y, w, h, src.pixels(), sx, sy); break;
        case Rop::Xor: BltWith<Rop::Xor>(dst.pixels(), x, y, w, h, src.pixels(), sx, sy); break;
    }
}

void StretchBlt(Surface& dst, int x, int y, int w, int h, const Surface& src, int sx, int sy, int sw, int sh,
                Rop rop) {
    if (w <= 0 || h <= 0 || sw <= 0 || sh <= 0) return;
    switch (rop) {
        case Rop::Copy: StretchWith<Rop::Copy>(dst.pixels(), x, y, w, h, src.pixels(), sx, sy, sw, sh); break;
        case Rop::And: StretchWith<Rop::And>(dst.pixels(), x, y, w, h, src.pixels(), sx, sy, sw, sh); break;
        case Rop::Or: StretchWith<Rop::Or>(dst.pixels(), x, y, w, h, src.pixels(), sx, sy, sw, sh); break;
        case Rop::Xor: StretchWith<Rop::Xor>(dst.pixels(), x, y, w, h, src.pixels(), sx, sy, sw, sh); break;
    }
}

void TileBlt(Surface& dst, int x, int y, int w, int h, const Surface& src, int sx, int sy, int tw, int th) {
    if (tw <= 0 || th <= 0) return;
    // Whole runs of the texture, each a plain block copy.
    for (int j = 0; j < h; j += th)
        for (int i = 0; i < w; i += tw)
            BltWith<Rop::Copy>(dst.pixels(), x + i, y + j, std::min(tw, w - i), std::min(th, h - j), src.pixels(), sx, sy);
}

void FillAll(Surface& dst, uint32_t colour) { FillPixels(dst.pixels().data.data(), dst.pixels().data.size(), colour); }

}  // namespace zanbora
