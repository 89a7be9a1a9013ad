#pragma once
// The game's files are Shift_JIS (CP932) with CR LF; in memory all text is UTF-8.
#include <string>
#include <vector>

namespace zanbora {

// Invalid bytes become U+FFFD rather than being dropped silently.
std::string Cp932ToUtf8(const std::string& bytes);
// False when the text has a character CP932 cannot hold.
bool Utf8ToCp932(const std::string& utf8, std::string& out);
// Number of characters (not bytes) of a UTF-8 text.
size_t Utf8Length(const std::string& utf8);
// The characters of a UTF-8 text, one string each (the message window draws
// them one at a time on a fixed grid).
std::vector<std::string> Utf8Characters(const std::string& utf8);

}  // namespace zanbora
