#pragma once
// A MIDI piece turned into sound once, ahead of playing it, so that the game
// does not synthesise its music all the while it runs.
#include <atomic>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zanbora {

// FluidSynth sets up its shared tables when the first synthesiser is made,
// and not safely from two threads at once: making one here, before any
// thread renders or the mixer plays MIDI, leaves them set.
void PrepareMidiRendering();

// One pass of the looping piece `midi` through FluidSynth with the soundfont
// at `soundFont`, as interleaved 16-bit stereo at `rate` Hz: exactly as long
// as the synthesiser's own loop takes to come round, so that playing the
// pass again and again sounds as the looping piece did. False, with a short
// reason in `why`, when the piece is not a playable MIDI file, FluidSynth
// cannot load it or the soundfont, it does not come round within ten
// minutes, or `stop` turns true.
bool RenderMidiPass(std::string_view midi, const std::string& soundFont, int rate, const std::atomic<bool>& stop,
                    std::vector<int16_t>& pcm, std::string& why);

}  // namespace zanbora
