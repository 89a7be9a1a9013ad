#include "game/core/Surface.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "game/core/PixelRows.h"
#include "game/core/Raster.h"

namespace zanbora {

uint32_t QBColor(int index) {
    static constexpr uint32_t kPalette[16] = {
        0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000, 0xC0C0C0,
        0x808080, 0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF,
    };
    return kPalette[index & 15];
}

void Surface::ensureSize(int w, int h) {
    if (w <= width() && h <= height()) return;
    Pixels grown(std::max(w, width()), std::max(h, height()));
    for (int y = 0; y < height(); ++y)
        for (int x = 0; x < width(); ++x) grown.at(x, y) = pixels_.at(x, y);
    pixels_ = std::move(grown);
}

void Surface::blt(int x, int y, int w, int h, const Surface& src, int sx, int sy, Rop rop) {
    FastBlt(*this, x, y, w, h, src, sx, sy, rop);
}

void Surface::stretch(int dx, int dy, int dw, int dh, const Surface& src, int sx, int sy, int sw, int sh) {
    if (dw <= 0 || dh <= 0) return;
    for (int j = std::max(0, -dy); j < dh && dy + j < height(); ++j) {
        int srcY = sy + int(int64_t(j) * sh / dh);
        for (int i = std::max(0, -dx); i < dw && dx + i < width(); ++i) {
            int srcX = sx + int(int64_t(i) * sw / dw);
            pixels_.at(dx + i, dy + j) = src.at(srcX, srcY);
        }
    }
}

void Surface::rect(int x1, int y1, int x2, int y2, uint32_t colour) {
    line(x1, y1, x2, y1, colour);
    line(x1, y2, x2, y2, colour);
    line(x1, y1, x1, y2, colour);
    line(x2, y1, x2, y2, colour);
}

void Surface::fillRect(int x1, int y1, int x2, int y2, uint32_t colour) {
    if (x1 > x2) std::swap(x1, x2);
    if (y1 > y2) std::swap(y1, y2);
    x1 = std::max(x1, 0), y1 = std::max(y1, 0);
    x2 = std::min(x2, width() - 1), y2 = std::min(y2, height() - 1);
    // Clipped away entirely (a wipe's bands run past the right edge).
    if (x1 > x2 || y1 > y2) return;
    for (int y = y1; y <= y2; ++y) FillPixels(&pixels_.at(x1, y), size_t(x2 - x1 + 1), colour);
}

void Surface::line(int x1, int y1, int x2, int y2, uint32_t colour) {
    int dx = std::abs(x2 - x1), dy = -std::abs(y2 - y1);
    int stepX = x1 < x2 ? 1 : -1, stepY = y1 < y2 ? 1 : -1;
    int error = dx + dy;
    for (;;) {
        put(x1, y1, colour);
        if (x1 == x2 && y1 == y2) break;
        int twice = 2 * error;
        if (twice >= dy) error += dy, x1 += stepX;
        if (twice <= dx) error += dx, y1 += stepY;
    }
}

void Surface::blendMask(int x, int y, const Pixels& mask, uint32_t colour) {
    const uint32_t r = (colour >> 16) & 255, g = (colour >> 8) & 255, b = colour & 255;
    // Only the part of the mask that lands on the surface.
    const int i0 = std::max(0, -x), i1 = std::min(mask.width, width() - x);
    const int j0 = std::max(0, -y), j1 = std::min(mask.height, height() - y);
    for (int j = j0; j < j1; ++j) {
        const uint32_t* alpha = mask.data.data() + size_t(j) * size_t(mask.width);
        uint32_t* row = pixels_.data.data() + size_t(y + j) * size_t(width());
        for (int i = i0; i < i1; ++i) {
            uint32_t a = alpha[i] & 255;
            if (a == 0) continue;
            uint32_t& d = row[x + i];
            if (a == 255) {
                d = colour;
                continue;
            }
            uint32_t dr = (d >> 16) & 255, dg = (d >> 8) & 255, db = d & 255;
            d = (((dr * (255 - a) + r * a) / 255) << 16) | (((dg * (255 - a) + g * a) / 255) << 8) |
                ((db * (255 - a) + b * a) / 255);
        }
    }
}

void Surface::clear() {
    if (!background_) {
        FillPixels(pixels_.data.data(), pixels_.data.size(), backColour_);
        return;
    }
    // The background where it reaches, the back colour beyond it.
    const int across = std::min(width(), background_->width), down = std::min(height(), background_->height);
    for (int y = 0; y < height(); ++y) {
        uint32_t* row = pixels_.data.data() + size_t(y) * size_t(width());
        if (y >= down) {
            FillPixels(row, size_t(width()), backColour_);
            continue;
        }
        const uint32_t* picture = background_->data.data() + size_t(y) * size_t(background_->width);
        std::memcpy(row, picture, size_t(across) * sizeof(uint32_t));
        FillPixels(row + across, size_t(width() - across), backColour_);
    }
}

void Surface::setBackColour(uint32_t colour) {
    backColour_ = colour;
    clear();
}

}  // namespace zanbora
