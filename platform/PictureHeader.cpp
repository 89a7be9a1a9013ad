#include "platform/PictureHeader.h"

#include <cstdint>

namespace zanbora {

namespace {

uint32_t Little(std::string_view b, size_t at, int count) {
    uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i) value = (value << 8) | uint8_t(b[at + size_t(i)]);
    return value;
}

uint32_t Big(std::string_view b, size_t at, int count) {
    uint32_t value = 0;
    for (int i = 0; i < count; ++i) value = (value << 8) | uint8_t(b[at + size_t(i)]);
    return value;
}

bool ReadBmp(std::string_view b, PictureHeader& out, std::string& why) {
    if (b.size() < 26) {
        why = "the BMP header is cut short";
        return false;
    }
    const uint32_t infoSize = Little(b, 14, 4);
    int64_t width, height;
    if (infoSize == 12) {  // the old OS/2 header: 16-bit sizes
        width = Little(b, 18, 2);
        height = Little(b, 20, 2);
    } else if (infoSize >= 16) {
        width = int32_t(Little(b, 18, 4));
        height = int32_t(Little(b, 22, 4));
        if (height < 0) height = -height;  // rows stored top down
    } else {
        why = "the BMP header is damaged";
        return false;
    }
    out = {PictureKind::Bmp, int(width > kLargestPicture ? kLargestPicture + 1 : width),
           int(height > kLargestPicture ? kLargestPicture + 1 : height)};
    return true;
}

bool ReadJpeg(std::string_view b, PictureHeader& out, std::string& why) {
    size_t at = 2;
    while (true) {
        while (at < b.size() && uint8_t(b[at]) == 0xFF && at + 1 < b.size() && uint8_t(b[at + 1]) == 0xFF) ++at;
        if (at + 4 > b.size() || uint8_t(b[at]) != 0xFF) {
            why = "the JPEG has no frame header";
            return false;
        }
        const uint8_t marker = uint8_t(b[at + 1]);
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) {  // markers without a length
            at += 2;
            continue;
        }
        if (marker == 0xD9 || marker == 0xDA) {
            why = "the JPEG has no frame header";
            return false;
        }
        const uint32_t length = Big(b, at + 2, 2);
        const bool frame = marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
        if (frame) {
            if (length < 8 || at + 9 > b.size()) {
                why = "the JPEG frame header is cut short";
                return false;
            }
            out = {PictureKind::Jpeg, int(Big(b, at + 7, 2)), int(Big(b, at + 5, 2))};
            return true;
        }
        if (length < 2) {
            why = "the JPEG header is damaged";
            return false;
        }
        at += 2 + length;
    }
}

}  // namespace

bool CheckPictureHeader(std::string_view bytes, PictureHeader& out, std::string& why) {
    PictureHeader header;
    bool known;
    if (bytes.size() >= 2 && bytes[0] == 'B' && bytes[1] == 'M') {
        known = ReadBmp(bytes, header, why);
    } else if (bytes.size() >= 3 && uint8_t(bytes[0]) == 0xFF && uint8_t(bytes[1]) == 0xD8 &&
               uint8_t(bytes[2]) == 0xFF) {
        known = ReadJpeg(bytes, header, why);
    } else {
        why = "neither a BMP nor a JPEG picture";
        return false;
    }
    if (!known) return false;
    if (header.width < 1 || header.height < 1) {
        why = "the picture claims no pixels";
        return false;
    }
    if (header.width > kLargestPicture || header.height > kLargestPicture) {
        why = "the picture claims more than " + std::to_string(kLargestPicture) + " pixels on a side";
        return false;
    }
    out = header;
    return true;
}

}  // namespace zanbora
