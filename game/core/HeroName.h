#pragma once
// The hero's name is also the name of the save file and of the clear record,
// so it must stay a harmless file name inside saves/ and survive the trip
// through the files' code page (CP932).
#include <string>

namespace zanbora {

constexpr size_t kMaxHeroNameLength = 32;  // characters

// True when `utf8` can be a hero's name. Otherwise `reason` gets one short
// Japanese line for the start screen: empty, too long, a slash or backslash,
// a control character, a leading '.', only blanks, or a character that the
// code page cannot hold.
bool CheckHeroName(const std::string& utf8, std::string& reason);

// The name as it comes back from CP932: a few characters have look-alikes
// there (〜 becomes ～, − becomes －, ‖ becomes ∥, ¢ becomes ￠, — becomes ―).
// Using this form everywhere keeps the save's name and name.ini's the same.
// A name with no CP932 form is returned unchanged (CheckHeroName refuses it).
std::string NormaliseHeroName(const std::string& utf8);

}  // namespace zanbora
