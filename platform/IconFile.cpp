#include "platform/IconFile.h"

#include <cstdint>

#include "platform/FileRead.h"

namespace zanbora {

namespace {

constexpr std::string_view kPngSignature("\x89PNG\r\n\x1a\n", 8);

uint32_t Big32(std::string_view b, size_t at) {
    uint32_t value = 0;
    for (size_t i = 0; i < 4; ++i) value = (value << 8) | uint8_t(b[at + i]);
    return value;
}

}  // namespace

bool CheckIconHeader(std::string_view bytes, std::string& why) {
    // The signature, then the IHDR chunk: length 13, "IHDR", width, height.
    if (bytes.substr(0, kPngSignature.size()) != kPngSignature) {
        why = "not a PNG picture";
        return false;
    }
    if (bytes.size() < 24 || Big32(bytes, 8) != 13 || bytes.substr(12, 4) != "IHDR") {
        why = "the PNG header is damaged";
        return false;
    }
    const uint32_t width = Big32(bytes, 16), height = Big32(bytes, 20);
    if (width < 1 || height < 1) {
        why = "the picture claims no pixels";
        return false;
    }
    if (width > kLargestIcon || height > kLargestIcon) {
        why = "the picture claims more than " + std::to_string(kLargestIcon) + " pixels on a side";
        return false;
    }
    return true;
}

bool ReadIconFile(const std::string& path, std::string& bytes, std::string& why) {
    const FileReadResult read = ReadRegularFile(path, kIconFileLimit, bytes);
    switch (read.problem) {
        case FileProblem::None: break;
        case FileProblem::Missing: why.clear(); return false;
        case FileProblem::TooBig: why = "the file is larger than an icon"; return false;
        default: why = "the file cannot be read"; return false;
    }
    if (CheckIconHeader(bytes, why)) return true;
    bytes.clear();
    return false;
}

}  // namespace zanbora
