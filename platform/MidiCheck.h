#pragma once
// Whether a standard MIDI file can really be played before the music player
// gets it: the player loops a piece for ever, and a piece it cannot get going
// (cut short, empty, or without a single note) would make that loop spin
// inside the sound system and stall the whole game.
#include <string>
#include <string_view>

namespace zanbora {

// True when `bytes` is a complete standard MIDI file whose tracks all parse,
// with at least one sounding note and a length of more than zero ticks.
// Otherwise false, with a short English reason in `why`.
bool MidiIsPlayable(std::string_view bytes, std::string& why);

}  // namespace zanbora
