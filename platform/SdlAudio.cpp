#include "platform/SdlAudio.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <cstdlib>
#include <filesystem>

namespace zanbora {

static constexpr const char* kSoundFont = "/usr/share/sounds/sf2/TimGM6mb.sf2";

SdlAudio::SdlAudio() {
    if (std::filesystem::exists(kSoundFont)) setenv("SDL_SOUNDFONTS", kSoundFont, 0);
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return;
    Mix_Init(MIX_INIT_MID);
    if (Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 1024) != 0) return;
    Mix_AllocateChannels(1);
    ready_ = true;
}

SdlAudio::~SdlAudio() {
    if (!ready_) return;
    musicClose();
    Mix_HaltChannel(-1);
    for (auto& [path, chunk] : waves_) Mix_FreeChunk(static_cast<Mix_Chunk*>(chunk));
    Mix_CloseAudio();
    Mix_Quit();
}

void SdlAudio::playWave(const std::string& path) {
    if (!ready_) return;
    auto it = waves_.find(path);
    if (it == waves_.end()) it = waves_.emplace(path, Mix_LoadWAV(path.c_str())).first;
    if (!it->second) return;  // a missing effect plays nothing
    Mix_PlayChannel(0, static_cast<Mix_Chunk*>(it->second), 0);
}

bool SdlAudio::musicOpen(const std::string& path) {
    if (!ready_) return false;
    musicClose();
    music_ = Mix_LoadMUS(path.c_str());
    return music_ != nullptr;
}

bool SdlAudio::musicPlay() {
    if (!music_) return false;
    // Loop inside the MIDI player: FluidSynth keeps a finished piece "playing"
    // for two silent seconds before it reports the end, so restarting it from
    // the frame wait would leave a gap; its own loop joins the bar lines exactly.
    return Mix_PlayMusic(static_cast<Mix_Music*>(music_), -1) == 0;
}

void SdlAudio::musicStop() {
    if (ready_) Mix_HaltMusic();
}

void SdlAudio::musicClose() {
    if (!music_) return;
    Mix_HaltMusic();
    Mix_FreeMusic(static_cast<Mix_Music*>(music_));
    music_ = nullptr;
}

bool SdlAudio::musicPlaying() { return music_ && Mix_PlayingMusic(); }

void SdlAudio::musicRewind() {
    if (music_) Mix_RewindMusic();
}

void SdlAudio::musicVolume(int volume) {
    if (ready_) Mix_VolumeMusic(volume * MIX_MAX_VOLUME / 65535);
}

}  // namespace zanbora
