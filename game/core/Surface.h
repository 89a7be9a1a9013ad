#pragma once
// A picture surface: the screen Pic and every sprite sheet. Sprites work by
// raster operations — the mask (black where the sprite is) ANDed onto the
// destination, then the sprite (on black) ORed or XORed in — so pure black
// and pure white must stay exact. Reads outside a source surface read black.
#include <cstdint>
#include <optional>
#include <string>

#include "platform/Pixels.h"

namespace zanbora {

enum class Rop { Copy, And, Or, Xor };

class Surface {
public:
    Surface() = default;
    Surface(int width, int height, uint32_t fill = 0) : pixels_(width, height, fill) {}

    int width() const { return pixels_.width; }
    int height() const { return pixels_.height; }
    const Pixels& pixels() const { return pixels_; }
    Pixels& pixels() { return pixels_; }
    uint32_t at(int x, int y) const { return pixels_.contains(x, y) ? pixels_.at(x, y) : 0; }

    // Replaces the picture (a loaded file); the size follows the picture.
    void setPicture(const Pixels& picture) { pixels_ = picture; }
    // Grows to at least w x h, keeping what is drawn (new area black).
    void ensureSize(int w, int h);

    // Block copy of src (sx, sy, w, h) to (x, y) with a raster operation.
    void blt(int x, int y, int w, int h, const Surface& src, int sx, int sy, Rop rop = Rop::Copy);
    // Stretched copy (nearest pixel) of src's rectangle into this one's.
    void stretch(int dx, int dy, int dw, int dh, const Surface& src, int sx, int sy, int sw, int sh);
    // Rectangle with corners (x1, y1) and (x2, y2), both included, in any order.
    void rect(int x1, int y1, int x2, int y2, uint32_t colour);
    void fillRect(int x1, int y1, int x2, int y2, uint32_t colour);
    void line(int x1, int y1, int x2, int y2, uint32_t colour);
    // Blends an alpha mask (low byte 0..255) in a colour at (x, y).
    void blendMask(int x, int y, const Pixels& mask, uint32_t colour);

    // Clearing restores the background picture, else fills with the back colour.
    void clear();
    void setBackground(const Pixels& picture) { background_ = picture; }
    void removeBackground() { background_.reset(); }
    bool hasBackground() const { return background_.has_value(); }
    // Setting the back colour also clears the surface.
    void setBackColour(uint32_t colour);
    uint32_t backColour() const { return backColour_; }

    uint32_t foreColour = 0xFFFFFF;
    int fontSize = 15;

private:
    void put(int x, int y, uint32_t colour) {
        if (pixels_.contains(x, y)) pixels_.at(x, y) = colour;
    }

    Pixels pixels_;
    std::optional<Pixels> background_;
    uint32_t backColour_ = 0;
};

// RGB colour 0x00RRGGBB from 0..255 components.
constexpr uint32_t Rgb(int r, int g, int b) { return (uint32_t(r & 255) << 16) | (uint32_t(g & 255) << 8) | uint32_t(b & 255); }
// One of the 16 standard console colours (0 black, 8 grey, 12 light red, 14 yellow, 15 white).
uint32_t QBColor(int index);

}  // namespace zanbora
