#include "Image.h"

#include <SDL.h>
#include <SDL_image.h>

#include <cstdio>
#include <memory>
#include <stdexcept>

namespace art {

void Image::paste(const Image& src, int x, int y) { paste(src, 0, 0, src.width, src.height, x, y); }

void Image::paste(const Image& src, int sx, int sy, int w, int h, int x, int y) {
    for (int j = 0; j < h; ++j)
        for (int i = 0; i < w; ++i)
            if (src.contains(sx + i, sy + j) && contains(x + i, y + j)) at(x + i, y + j) = src.at(sx + i, sy + j);
}

Image MaskOf(const Image& sprite) {
    Image mask(sprite.width, sprite.height, 0xFFFFFF);
    for (size_t i = 0; i < sprite.px.size(); ++i)
        if (sprite.px[i] != 0) mask.px[i] = 0;
    return mask;
}

namespace {

void put16(std::vector<uint8_t>& b, uint32_t v) {
    b.push_back(uint8_t(v));
    b.push_back(uint8_t(v >> 8));
}
void put32(std::vector<uint8_t>& b, uint32_t v) {
    put16(b, v & 0xFFFF);
    put16(b, v >> 16);
}

}  // namespace

void SaveBmp(const Image& img, const std::string& path) {
    const uint32_t stride = (uint32_t(img.width) * 3 + 3) & ~3u;
    const uint32_t dataSize = stride * uint32_t(img.height);
    std::vector<uint8_t> b;
    b.reserve(54 + dataSize);
    b.push_back('B');
    b.push_back('M');
    put32(b, 54 + dataSize);
    put32(b, 0);
    put32(b, 54);
    put32(b, 40);  // BITMAPINFOHEADER
    put32(b, uint32_t(img.width));
    put32(b, uint32_t(img.height));  // positive: rows bottom-up
    put16(b, 1);
    put16(b, 24);
    put32(b, 0);  // BI_RGB
    put32(b, dataSize);
    put32(b, 2835);
    put32(b, 2835);
    put32(b, 0);
    put32(b, 0);
    for (int y = img.height - 1; y >= 0; --y) {
        for (int x = 0; x < img.width; ++x) {
            const uint32_t c = img.at(x, y);
            b.push_back(uint8_t(c));
            b.push_back(uint8_t(c >> 8));
            b.push_back(uint8_t(c >> 16));
        }
        for (uint32_t p = uint32_t(img.width) * 3; p < stride; ++p) b.push_back(0);
    }
    std::unique_ptr<FILE, int (*)(FILE*)> f(std::fopen(path.c_str(), "wb"), std::fclose);
    if (!f || std::fwrite(b.data(), 1, b.size(), f.get()) != b.size())
        throw std::runtime_error("cannot write " + path);
}

void SaveJpg(const Image& img, const std::string& path, int quality) {
    std::vector<uint32_t> copy(img.px);
    SDL_Surface* s = SDL_CreateRGBSurfaceWithFormatFrom(copy.data(), img.width, img.height, 32, img.width * 4,
                                                        SDL_PIXELFORMAT_RGB888);
    if (!s) throw std::runtime_error(std::string("SDL surface: ") + SDL_GetError());
    const int rc = IMG_SaveJPG(s, path.c_str(), quality);
    SDL_FreeSurface(s);
    if (rc != 0) throw std::runtime_error("cannot write " + path + ": " + IMG_GetError());
}

}  // namespace art
