// The picture header check: never reads past the bytes, and what it accepts
// is a BMP or JPEG of 1..4096 pixels each way.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "platform/PictureHeader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace zanbora;
    PictureHeader header;
    std::string why;
    if (CheckPictureHeader(std::string_view(reinterpret_cast<const char*>(data), size), header, why)) {
        if (header.width < 1 || header.height < 1 || header.width > kLargestPicture ||
            header.height > kLargestPicture)
            std::abort();
    } else if (why.empty()) {
        std::abort();
    }
    return 0;
}
