#pragma once
// The size a BMP or JPEG file claims, read from its header before any
// decoder sees it: a tiny file may claim an enormous picture, and decoding
// it would take minutes and gigabytes. The game never draws anything larger
// than kLargestPicture on either side.
#include <string>
#include <string_view>

namespace zanbora {

constexpr int kLargestPicture = 4096;

enum class PictureKind { Bmp, Jpeg };

struct PictureHeader {
    PictureKind kind = PictureKind::Bmp;
    int width = 0;
    int height = 0;
};

// True when `bytes` begin a BMP or JPEG picture of 1..kLargestPicture pixels
// each way; otherwise false with a short English reason in `why`.
bool CheckPictureHeader(std::string_view bytes, PictureHeader& out, std::string& why);

}  // namespace zanbora
