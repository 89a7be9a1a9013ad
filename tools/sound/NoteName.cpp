#include "NoteName.h"

#include <cctype>
#include <cmath>

namespace sound {

std::optional<int> noteNumber(std::string_view name) {
  if (name.size() < 2) return std::nullopt;
  static constexpr int kSteps[7] = {9, 11, 0, 2, 4, 5, 7};  // A B C D E F G
  const char letter = static_cast<char>(std::toupper(static_cast<unsigned char>(name[0])));
  if (letter < 'A' || letter > 'G') return std::nullopt;
  int key = kSteps[letter - 'A'];
  std::size_t i = 1;
  while (i < name.size() && (name[i] == '#' || name[i] == 'b')) {
    key += name[i] == '#' ? 1 : -1;
    ++i;
  }
  bool negative = false;
  if (i < name.size() && name[i] == '-') {
    negative = true;
    ++i;
  }
  if (i >= name.size()) return std::nullopt;
  int octave = 0;
  for (; i < name.size(); ++i) {
    if (!std::isdigit(static_cast<unsigned char>(name[i]))) return std::nullopt;
    octave = octave * 10 + (name[i] - '0');
    if (octave > 10) return std::nullopt;
  }
  if (negative) octave = -octave;
  const int number = 12 * (octave + 1) + key;
  if (number < 0 || number > 127) return std::nullopt;
  return number;
}

double keyFrequency(double key) { return 440.0 * std::pow(2.0, (key - 69.0) / 12.0); }

}  // namespace sound
