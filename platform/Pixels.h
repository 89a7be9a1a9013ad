#pragma once
// A plain 32-bit picture (0x00RRGGBB per pixel, row after row).
#include <cstdint>
#include <vector>

namespace zanbora {

struct Pixels {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> data;

    Pixels() = default;
    Pixels(int w, int h, uint32_t fill = 0) : width(w), height(h), data(size_t(w) * size_t(h), fill) {}
    uint32_t at(int x, int y) const { return data[size_t(y) * size_t(width) + size_t(x)]; }
    uint32_t& at(int x, int y) { return data[size_t(y) * size_t(width) + size_t(x)]; }
    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
};

}  // namespace zanbora
