// The window icon's reader: never reads past the bytes, and what it hands to
// the decoder is a PNG of 1..256 pixels each way, no larger than its limit.
#include <cstdint>
#include <cstdlib>

#include "FuzzFile.h"
#include "platform/IconFile.h"

namespace {

uint32_t Big32(const uint8_t* b) { return uint32_t(b[0]) << 24 | uint32_t(b[1]) << 16 | uint32_t(b[2]) << 8 | b[3]; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace zanbora;
    const fuzz::MemoryFile file(data, size);
    std::string bytes, why;
    if (ReadIconFile(file.path(), bytes, why)) {
        if (size > kIconFileLimit || bytes.size() != size || size < 24) std::abort();
        const uint32_t width = Big32(data + 16), height = Big32(data + 20);
        if (width < 1 || height < 1 || width > kLargestIcon || height > kLargestIcon) std::abort();
    } else if (why.empty() || !bytes.empty()) {
        std::abort();
    }
    return 0;
}
