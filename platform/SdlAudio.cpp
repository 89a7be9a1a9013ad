#include "platform/SdlAudio.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "platform/FileRead.h"
#include "platform/MidiCheck.h"

namespace zanbora {

static constexpr const char* kSoundFont = "/usr/share/sounds/sf2/TimGM6mb.sf2";
// The game's pieces are a few kilobytes; a music file this large is not one.
static constexpr size_t kMusicFileLimit = 4 * 1024 * 1024;

// Whether the piece is playing, kept by the game thread and the mixer's
// finished hook, so asking never waits for the sound system's lock.
static std::atomic<bool> musicSounding{false};
static void MusicFinished() { musicSounding = false; }

SdlAudio::SdlAudio() {
    if (std::filesystem::exists(kSoundFont)) setenv("SDL_SOUNDFONTS", kSoundFont, 0);
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return;
    Mix_Init(MIX_INIT_MID);
    if (Mix_OpenAudio(22050, AUDIO_S16SYS, 2, 1024) != 0) return;
    Mix_AllocateChannels(1);
    Mix_HookMusicFinished(MusicFinished);
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
    // The player gets only a piece it can really play; anything else means
    // silence and one line on stderr, never a player spinning in the mixer.
    std::string bytes;
    std::string why;
    const FileReadResult read = ReadRegularFile(path, kMusicFileLimit, bytes);
    if (read.problem == FileProblem::Missing) return false;
    if (read.problem != FileProblem::None) {
        why = read.problem == FileProblem::TooBig ? "the file is too large" : "the file cannot be read";
    } else if (MidiIsPlayable(bytes, why)) {
        musicBytes_ = std::move(bytes);
        SDL_RWops* source = SDL_RWFromConstMem(musicBytes_.data(), int(musicBytes_.size()));
        music_ = source ? Mix_LoadMUSType_RW(source, MUS_MID, 1) : nullptr;
        if (music_) return true;
        why = Mix_GetError();
        musicBytes_.clear();
    }
    std::fprintf(stderr, "ZANBORA: no music from %s: %s\n", path.c_str(), why.c_str());
    return false;
}

bool SdlAudio::musicPlay() {
    if (!music_) return false;
    // Loop inside the MIDI player: FluidSynth keeps a finished piece "playing"
    // for two silent seconds before it reports the end, so restarting it from
    // the frame wait would leave a gap; its own loop joins the bar lines exactly.
    if (Mix_PlayMusic(static_cast<Mix_Music*>(music_), -1) != 0) return false;
    musicSounding = true;
    return true;
}

void SdlAudio::musicStop() {
    if (ready_) Mix_HaltMusic();
    musicSounding = false;
}

void SdlAudio::musicClose() {
    if (!music_) return;
    Mix_HaltMusic();
    Mix_FreeMusic(static_cast<Mix_Music*>(music_));
    music_ = nullptr;
    musicBytes_.clear();
    musicSounding = false;
}

bool SdlAudio::musicPlaying() { return music_ && musicSounding; }

void SdlAudio::musicRewind() {
    if (music_) Mix_RewindMusic();
}

void SdlAudio::musicVolume(int volume) {
    if (ready_) Mix_VolumeMusic(volume * MIX_MAX_VOLUME / 65535);
}

}  // namespace zanbora
