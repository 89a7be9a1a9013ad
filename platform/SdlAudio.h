#pragma once
// Sound through SDL2_mixer: one wave channel (a new effect cuts the one
// playing) and one music piece, MIDI played by FluidSynth with the TimGM6mb
// General MIDI soundfont. Without an audio device everything stays silent.
#include <map>
#include <string>

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
    bool ready_ = false;
    std::map<std::string, void*> waves_;
    void* music_ = nullptr;
    std::string musicBytes_;  // the piece the player reads from, while it plays
};

}  // namespace zanbora
