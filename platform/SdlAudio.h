#pragma once
// Sound through SDL2_mixer: one wave channel (a new effect cuts the one
// playing) and one music piece, MIDI played by FluidSynth with the TimGM6mb
// General MIDI soundfont. Each piece is rendered once in the background; a
// rendered piece plays from memory, one not rendered yet through the
// synthesiser. Without an audio device everything stays silent.
#include <map>
#include <memory>
#include <string>

#include "platform/MusicCache.h"
#include "platform/RenderedMusic.h"

namespace zanbora {

class SdlAudio {
public:
    SdlAudio();
    ~SdlAudio();
    SdlAudio(const SdlAudio&) = delete;
    SdlAudio& operator=(const SdlAudio&) = delete;

    void playWave(const std::string& path);
    bool musicOpen(const std::string& path);
    bool musicPlay();
    void musicStop();
    void musicClose();
    // Never waits for the mixer, whatever the sound system is doing.
    bool musicPlaying();
    void musicRewind();
    void musicVolume(int volume);

private:
    // The first piece opened brings the others of its folder into the cache.
    void prefetchFolder(const std::string& piecePath);

    bool ready_ = false;
    std::unique_ptr<MusicCache> cache_;
    bool prefetched_ = false;
    RenderedPlayback rendered_;  // the mixer's music hook reads it while it plays
    std::map<std::string, void*> waves_;
    void* music_ = nullptr;
    std::string musicBytes_;  // the piece the player reads from, while it plays
};

}  // namespace zanbora
