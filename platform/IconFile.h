#pragma once
// The window's icon, cg/icon.png: read whole and checked from its PNG header
// before any decoder sees it, like every other picture. A tiny file may claim
// an enormous picture, and decoding it would take gigabytes.
#include <cstddef>
#include <string>
#include <string_view>

namespace zanbora {

// The game's icon is 128 pixels square; window managers use up to 256.
constexpr int kLargestIcon = 256;
constexpr size_t kIconFileLimit = 1024 * 1024;

// True when `bytes` begin a PNG of 1..kLargestIcon pixels each way;
// otherwise false with a short English reason in `why`.
bool CheckIconHeader(std::string_view bytes, std::string& why);

// Reads the icon at `path` into `bytes` when it is a plain file of at most
// kIconFileLimit bytes with a header CheckIconHeader takes. False otherwise,
// with `why` empty when there is simply no icon.
bool ReadIconFile(const std::string& path, std::string& bytes, std::string& why);

}  // namespace zanbora
