#pragma once
// A plain RGB picture (0x00RRGGBB per pixel) as the game loads it, with the
// few operations the art generator needs to assemble sheets and write files.
#include <cstdint>
#include <string>
#include <vector>

namespace art {

struct Image {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> px;

    Image() = default;
    Image(int w, int h, uint32_t fill = 0) : width(w), height(h), px(size_t(w) * size_t(h), fill) {}
    uint32_t at(int x, int y) const { return px[size_t(y) * size_t(width) + size_t(x)]; }
    uint32_t& at(int x, int y) { return px[size_t(y) * size_t(width) + size_t(x)]; }
    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }

    // Copies src whole to (x, y); parts outside this picture are dropped.
    void paste(const Image& src, int x, int y);
    // Copies src's rectangle (sx, sy, w, h) to (x, y).
    void paste(const Image& src, int sx, int sy, int w, int h, int x, int y);
};

// The mask of an OR-painted sprite: pure black exactly where the sprite is
// not pure black, pure white everywhere else.
Image MaskOf(const Image& sprite);

// Writes an uncompressed 24-bit BMP; throws std::runtime_error on failure.
void SaveBmp(const Image& img, const std::string& path);
// Writes a baseline JPEG at the given quality; throws on failure.
void SaveJpg(const Image& img, const std::string& path, int quality);

}  // namespace art
