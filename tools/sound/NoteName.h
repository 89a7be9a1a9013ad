#pragma once
// Note names such as "C5", "F#4" or "Bb3" (C4 is middle C, A4 = 440 Hz).
#include <optional>
#include <string_view>

namespace sound {

// MIDI key number of a note name, or nothing when the text is not one.
std::optional<int> noteNumber(std::string_view name);

// Frequency in Hz of a MIDI key number in equal temperament.
double keyFrequency(double key);

}  // namespace sound
