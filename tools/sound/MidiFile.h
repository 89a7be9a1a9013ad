#pragma once
// A standard MIDI file in memory, and writing it to disk (format 1).
#include <cstdint>
#include <string>
#include <vector>

namespace sound {

struct MidiEvent {
  std::uint32_t tick = 0;
  int order = 0;  // among events of one tick: 0 note-offs, 1 settings, 2 note-ons
  std::vector<std::uint8_t> bytes;  // a channel message, or 0xFF type data for a meta event
};

struct MidiTrack {
  std::vector<MidiEvent> events;
};

struct MidiSong {
  int ticksPerQuarter = 480;
  std::uint32_t endTick = 0;        // every track ends here, so the piece loops on a bar line
  std::vector<MidiTrack> tracks;    // track 0 is the conductor (tempo, metre)
};

// Sorts each track by tick and order, ends it at song.endTick and writes the
// file. Throws std::runtime_error when the file cannot be written.
void writeMidiFile(const std::string& path, MidiSong song);

// Length in seconds of the song under its tempo map (the conductor's tempo events).
double songSeconds(const MidiSong& song);

}  // namespace sound
