#include "game/party/NameBox.h"

#include <algorithm>

#include "game/core/TextCodec.h"

namespace zanbora {

size_t Utf8Offset(const std::string& utf8, size_t index) {
    size_t at = 0;
    for (size_t seen = 0; at < utf8.size(); ++at) {
        if ((static_cast<unsigned char>(utf8[at]) & 0xC0) == 0x80) continue;
        if (seen++ == index) return at;
    }
    return utf8.size();
}

size_t NameBox::length() const { return Utf8Length(text_); }

void NameBox::setText(const std::string& utf8) {
    text_ = utf8;
    composition_.clear();
    caret_ = length();
}

void NameBox::setCaret(size_t characters) { caret_ = std::min(characters, length()); }

std::string NameBox::beforeCaret() const { return text_.substr(0, Utf8Offset(text_, caret_)); }
std::string NameBox::afterCaret() const { return text_.substr(Utf8Offset(text_, caret_)); }

void NameBox::insert(const std::string& utf8) {
    std::string clean;
    for (unsigned char c : utf8)
        if (c >= 0x20 && c != 0x7F) clean += char(c);
    const size_t room = kMaxLength - std::min(kMaxLength, length());
    clean = clean.substr(0, Utf8Offset(clean, room));
    text_.insert(Utf8Offset(text_, caret_), clean);
    caret_ += Utf8Length(clean);
    composition_.clear();
}

void NameBox::backspace() {
    if (caret_ == 0) return;
    const size_t from = Utf8Offset(text_, caret_ - 1);
    text_.erase(from, Utf8Offset(text_, caret_) - from);
    --caret_;
}

void NameBox::deleteForward() {
    if (caret_ >= length()) return;
    const size_t from = Utf8Offset(text_, caret_);
    text_.erase(from, Utf8Offset(text_, caret_ + 1) - from);
}

void NameBox::left() {
    if (caret_ > 0) --caret_;
}

void NameBox::right() {
    if (caret_ < length()) ++caret_;
}

void NameBox::end() { caret_ = length(); }

}  // namespace zanbora
