#include "game/core/TextCodec.h"

#include <iconv.h>

#include <cerrno>
#include <vector>

namespace zanbora {

namespace {
// Converts as much as it can; on a bad sequence calls onBad, which may
// append a replacement, and skips one input byte.
template <typename OnBad>
bool Convert(const char* to, const char* from, const std::string& in, std::string& out, OnBad onBad) {
    iconv_t cd = iconv_open(to, from);
    if (cd == iconv_t(-1)) return false;
    out.clear();
    std::vector<char> buffer(in.size() * 4 + 16);
    char* src = const_cast<char*>(in.data());
    size_t srcLeft = in.size();
    bool clean = true;
    while (srcLeft > 0) {
        char* dst = buffer.data();
        size_t dstLeft = buffer.size();
        size_t result = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
        out.append(buffer.data(), size_t(dst - buffer.data()));
        if (result == size_t(-1)) {
            if (errno == E2BIG) continue;
            clean = false;
            onBad(out);
            ++src;
            --srcLeft;
        }
    }
    iconv_close(cd);
    return clean;
}
}  // namespace

std::string Cp932ToUtf8(const std::string& bytes) {
    std::string out;
    Convert("UTF-8", "CP932", bytes, out, [](std::string& o) { o += "\xEF\xBF\xBD"; });
    return out;
}

bool Utf8ToCp932(const std::string& utf8, std::string& out) {
    if (!Convert("CP932", "UTF-8", utf8, out, [](std::string&) {})) return false;
    // The code page has look-alikes for some characters (〜 becomes ～), but
    // "¥" and "‾" would come out as the plain "\" and "~": a path separator
    // in a name. A character that was not plain ASCII must not become one.
    const std::vector<std::string> before = Utf8Characters(utf8), after = Utf8Characters(Cp932ToUtf8(out));
    if (before.size() != after.size()) return false;
    for (size_t i = 0; i < before.size(); ++i)
        if (before[i].size() > 1 && after[i].size() == 1) return false;
    return true;
}

size_t Utf8Length(const std::string& utf8) {
    size_t count = 0;
    for (unsigned char c : utf8)
        if ((c & 0xC0) != 0x80) ++count;
    return count;
}

std::vector<std::string> Utf8Characters(const std::string& utf8) {
    std::vector<std::string> characters;
    for (unsigned char c : utf8) {
        if ((c & 0xC0) != 0x80 || characters.empty()) characters.emplace_back();
        characters.back() += char(c);
    }
    return characters;
}

}  // namespace zanbora
