#pragma once
// name.ini: the last hero name (line 1) and the draw-skip setting (line 2).
#include <string>

namespace zanbora {

constexpr int kMaxDrawSkip = 10;

struct NameFile {
    std::string name;
    int drawSkip = 1;
};

// A name file is two short lines; anything this large is not one.
constexpr size_t kNameFileLimit = 4096;

// False when the file is missing, unreadable, not a plain file or too large;
// `out` is then untouched.
bool ReadNameFile(const std::string& path, NameFile& out);
// The same for the file's bytes; false when there is no first line.
bool ParseNameFile(const std::string& bytes, NameFile& out);
bool WriteNameFile(const std::string& path, const NameFile& in);

}  // namespace zanbora
