#include "game/core/HeroName.h"

#include "game/core/TextCodec.h"

namespace zanbora {

namespace {

// Decodes one UTF-8 character at `at`; false for a malformed sequence.
bool NextCodePoint(const std::string& text, size_t& at, char32_t& out) {
    const unsigned char lead = static_cast<unsigned char>(text[at]);
    int length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 0;
    if (length == 0 || at + size_t(length) > text.size()) return false;
    char32_t code = length == 1 ? lead : lead & (0x7F >> length);
    for (int i = 1; i < length; ++i) {
        const unsigned char next = static_cast<unsigned char>(text[at + size_t(i)]);
        if ((next & 0xC0) != 0x80) return false;
        code = (code << 6) | (next & 0x3F);
    }
    at += size_t(length);
    out = code;
    return true;
}

bool IsControl(char32_t c) { return c < 0x20 || (c >= 0x7F && c <= 0x9F); }
bool IsBlank(char32_t c) { return c == U' ' || c == U'\u3000'; }

}  // namespace

bool CheckHeroName(const std::string& utf8, std::string& reason) {
    if (utf8.empty()) {
        reason = "名前を入力してください。";
        return false;
    }
    size_t count = 0;
    bool allBlank = true;
    for (size_t at = 0; at < utf8.size();) {
        const size_t start = at;
        char32_t c = 0;
        if (!NextCodePoint(utf8, at, c)) {
            reason = "名前に読めない文字があります。";
            return false;
        }
        if (IsControl(c)) {
            reason = "名前に制御文字は使えません。";
            return false;
        }
        if (c == U'/' || c == U'\\') {
            reason = "名前に「/」や「\\」は使えません。";
            return false;
        }
        std::string ignored;
        const std::string character = utf8.substr(start, at - start);
        if (!Utf8ToCp932(character, ignored)) {
            reason = "「" + character + "」は名前に使えません。";
            return false;
        }
        allBlank = allBlank && IsBlank(c);
        ++count;
    }
    if (utf8[0] == '.') {
        reason = "名前を「.」で始めることはできません。";
        return false;
    }
    if (allBlank) {
        reason = "空白だけの名前はつけられません。";
        return false;
    }
    if (count > kMaxHeroNameLength) {
        reason = "名前は32文字までにしてください。";
        return false;
    }
    return true;
}

std::string NormaliseHeroName(const std::string& utf8) {
    std::string cp932;
    if (!Utf8ToCp932(utf8, cp932)) return utf8;
    return Cp932ToUtf8(cp932);
}

}  // namespace zanbora
