#pragma once
// A plain 32-bit picture (0x00RRGGBB per pixel, row after row).
#include <cstdint>
#include <cstring>
#include <vector>

namespace zanbora {

struct Pixels {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> data;

    Pixels() = default;
    Pixels(int w, int h, uint32_t fill = 0) : width(w), height(h), data(size_t(w) * size_t(h), fill) {}
    // Copies go through memcpy. A vector's own copy is a memmove, which
    // AddressSanitizer (the test build) does a byte at a time, and the tests
    // keep copies of thousands of whole frames.
    Pixels(const Pixels& other) : width(other.width), height(other.height) { copyData(other); }
    Pixels& operator=(const Pixels& other) {
        if (this != &other) {
            width = other.width;
            height = other.height;
            copyData(other);
        }
        return *this;
    }
    Pixels(Pixels&&) noexcept = default;
    Pixels& operator=(Pixels&&) noexcept = default;

    uint32_t at(int x, int y) const { return data[size_t(y) * size_t(width) + size_t(x)]; }
    uint32_t& at(int x, int y) { return data[size_t(y) * size_t(width) + size_t(x)]; }
    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }

private:
    void copyData(const Pixels& other) {
        data.resize(other.data.size());
        if (!data.empty()) std::memcpy(data.data(), other.data.data(), data.size() * sizeof(uint32_t));
    }
};

}  // namespace zanbora
