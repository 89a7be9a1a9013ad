#pragma once
// name.ini: the last hero name (line 1) and the draw-skip setting (line 2).
#include <string>

namespace zanbora {

constexpr int kMaxDrawSkip = 10;

struct NameFile {
    std::string name;
    int drawSkip = 1;
};

// False when the file is missing or unreadable; `out` is then untouched.
bool ReadNameFile(const std::string& path, NameFile& out);
bool WriteNameFile(const std::string& path, const NameFile& in);

}  // namespace zanbora
