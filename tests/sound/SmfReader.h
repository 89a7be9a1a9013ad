#pragma once
// An independent reader of standard MIDI files, to check the built music.
#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace soundtest {

struct SmfNote {
  int channel = 0;  // 0..15; 9 is the drums
  int key = 0;
  std::uint32_t on = 0, off = 0;
};

struct SmfFile {
  int format = 0;
  int division = 0;                       // ticks per quarter note
  std::vector<std::uint32_t> trackEnds;   // tick of each track's End of Track
  std::uint32_t endTick = 0;              // the latest End of Track
  double seconds = 0;                     // length under the tempo map
  int beats = 4, beatUnit = 4;            // time signature (the first one)
  std::vector<SmfNote> notes;             // every note, matched on and off
  std::map<int, std::uint32_t> firstProgram;  // channel -> tick of its first program change
  int retriggered = 0;   // note-ons of a key that was already sounding on that channel
  int hanging = 0;       // notes still on when their track ended
};

// Parses the whole file; throws std::runtime_error when it is malformed.
SmfFile readSmf(const std::vector<std::uint8_t>& bytes);

std::vector<std::uint8_t> readFileBytes(const std::string& path);

}  // namespace soundtest
