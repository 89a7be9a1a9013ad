#include "platform/MidiRender.h"

#include <fluidsynth.h>

#include <cstddef>
#include <memory>

#include "platform/MidiCheck.h"

namespace zanbora {

namespace {
// FluidSynth renders in blocks of 64 frames; the player moves on between them.
constexpr int kBlockFrames = 64;
constexpr size_t kLongestPassSeconds = 600;
// SDL_mixer plays a MIDI piece at full volume with FluidSynth's gain at 1.2.
constexpr double kFullVolumeGain = 1.2;

template <typename T, void (*Delete)(T*)>
struct Deleter {
    void operator()(T* object) const { Delete(object); }
};
using Settings = std::unique_ptr<fluid_settings_t, Deleter<fluid_settings_t, delete_fluid_settings>>;
using Synth = std::unique_ptr<fluid_synth_t, Deleter<fluid_synth_t, delete_fluid_synth>>;
using Player = std::unique_ptr<fluid_player_t, Deleter<fluid_player_t, delete_fluid_player>>;
}  // namespace

void PrepareMidiRendering() {
    const Settings settings(new_fluid_settings());
    if (settings) delete_fluid_synth(new_fluid_synth(settings.get()));
}

bool RenderMidiPass(std::string_view midi, const std::string& soundFont, int rate, const std::atomic<bool>& stop,
                    std::vector<int16_t>& pcm, std::string& why) {
    pcm.clear();
    // Looping a piece it cannot get going, FluidSynth's player spins for ever.
    if (!MidiIsPlayable(midi, why)) return false;
    const Settings settings(new_fluid_settings());
    if (!settings) return why = "FluidSynth cannot start", false;
    fluid_settings_setnum(settings.get(), "synth.sample-rate", double(rate));
    // Rendered or synthesised, a piece sounds as loud.
    fluid_settings_setnum(settings.get(), "synth.gain", kFullVolumeGain);
    const Synth synth(new_fluid_synth(settings.get()));
    if (!synth) return why = "FluidSynth cannot start", false;
    if (fluid_synth_sfload(synth.get(), soundFont.c_str(), 1) == FLUID_FAILED)
        return why = "the soundfont " + soundFont + " cannot be loaded", false;
    const Player player(new_fluid_player(synth.get()));
    if (!player || fluid_player_add_mem(player.get(), midi.data(), midi.size()) != FLUID_OK)
        return why = "FluidSynth cannot read the piece", false;
    // Looping, the player starts the piece again by itself; the block in which
    // its tick goes back belongs to the next pass.
    fluid_player_set_loop(player.get(), -1);
    if (fluid_player_play(player.get()) != FLUID_OK) return why = "FluidSynth cannot play the piece", false;
    const size_t limit = size_t(rate) * kLongestPassSeconds;
    int16_t block[2 * kBlockFrames];
    int lastTick = 0;
    for (size_t frames = 0; frames < limit; frames += kBlockFrames) {
        if (stop) return why = "stopped", false;
        fluid_synth_write_s16(synth.get(), kBlockFrames, block, 0, 2, block, 1, 2);
        const int tick = fluid_player_get_current_tick(player.get());
        if (tick < lastTick) return true;
        lastTick = tick;
        pcm.insert(pcm.end(), block, block + 2 * kBlockFrames);
    }
    pcm.clear();
    return why = "the piece does not come round within ten minutes", false;
}

}  // namespace zanbora
