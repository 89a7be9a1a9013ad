#include "platform/PngWriter.h"

#include <zlib.h>

#include <cstdio>
#include <vector>

namespace zanbora {

static void PutBigEndian(std::string& out, uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) out += char((value >> shift) & 0xFF);
}

// One chunk: length, type, data, and the CRC of type and data.
static void PutChunk(std::string& out, const char* type, const std::string& data) {
    PutBigEndian(out, uint32_t(data.size()));
    const size_t typeAt = out.size();
    out.append(type, 4);
    out += data;
    const auto* checked = reinterpret_cast<const Bytef*>(out.data() + typeAt);
    PutBigEndian(out, uint32_t(crc32(0L, checked, uInt(4 + data.size()))));
}

std::string EncodePng(const Pixels& picture) {
    std::string header;
    PutBigEndian(header, uint32_t(picture.width));
    PutBigEndian(header, uint32_t(picture.height));
    header += char(8);  // bits per channel
    header += char(2);  // RGB
    header += std::string(3, '\0');  // deflate, adaptive filters, no interlace

    // Every row starts with filter type 0 (none).
    std::vector<Bytef> rows;
    rows.reserve(size_t(picture.height) * (1 + 3 * size_t(picture.width)));
    for (int y = 0; y < picture.height; ++y) {
        rows.push_back(0);
        for (int x = 0; x < picture.width; ++x) {
            const uint32_t rgb = picture.at(x, y);
            rows.push_back(Bytef(rgb >> 16));
            rows.push_back(Bytef(rgb >> 8));
            rows.push_back(Bytef(rgb));
        }
    }
    uLongf packedSize = compressBound(uLong(rows.size()));
    std::string packed(packedSize, '\0');
    if (compress2(reinterpret_cast<Bytef*>(packed.data()), &packedSize, rows.data(), uLong(rows.size()), 6) != Z_OK)
        return {};
    packed.resize(packedSize);

    std::string png("\x89PNG\r\n\x1a\n", 8);
    PutChunk(png, "IHDR", header);
    PutChunk(png, "IDAT", packed);
    PutChunk(png, "IEND", "");
    return png;
}

std::string ScreenshotName(const std::tm& when, int taken) {
    char name[64];
    std::snprintf(name, sizeof name, "zanbora-%04d%02d%02d-%02d%02d%02d", when.tm_year + 1900, when.tm_mon + 1,
                  when.tm_mday, when.tm_hour, when.tm_min, when.tm_sec);
    return std::string(name) + (taken > 0 ? "-" + std::to_string(taken + 1) : "") + ".png";
}

}  // namespace zanbora
