#pragma once
// The one-line name box: the committed text, the caret between characters,
// and the input method's composition, shown at the caret until committed.
#include <string>

namespace zanbora {

class NameBox {
public:
    // The most characters typing can put in the box.
    static constexpr size_t kMaxLength = 32;

    const std::string& text() const { return text_; }
    // Replaces the text; the caret goes to its end, any composition is dropped.
    void setText(const std::string& utf8);
    size_t caret() const { return caret_; }  // in characters
    void setCaret(size_t characters);
    // The committed text before the caret (to measure where the caret is drawn).
    std::string beforeCaret() const;
    std::string afterCaret() const;

    const std::string& composition() const { return composition_; }
    bool composing() const { return !composition_.empty(); }

    // Committed text at the caret; control characters are dropped and the
    // box takes no more than kMaxLength characters.
    void insert(const std::string& utf8);
    void compose(const std::string& utf8) { composition_ = utf8; }
    void backspace();
    void deleteForward();
    void left();
    void right();
    void home() { caret_ = 0; }
    void end();

private:
    size_t length() const;
    std::string text_;
    std::string composition_;
    size_t caret_ = 0;
};

// Byte offset of character `index` in a UTF-8 text (the size when past the end).
size_t Utf8Offset(const std::string& utf8, size_t index);

}  // namespace zanbora
