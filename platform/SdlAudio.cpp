#include "platform/SdlAudio.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <atomic>
#include <cctype>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "platform/FileRead.h"
#include "platform/MidiCheck.h"

namespace zanbora {

static constexpr const char* kSoundFont = "/usr/share/sounds/sf2/TimGM6mb.sf2";
// The game's pieces are a few kilobytes; a music file this large is not one.
static constexpr size_t kMusicFileLimit = 4 * 1024 * 1024;
// How long a piece may hold the game up the first time it is played, while
// it is being rendered (about half a second here); a piece not ready by then
// plays through the synthesiser.
static constexpr int kRenderWaitMs = 1500;

// Whether the piece is playing, kept by the game thread and the mixer's
// finished hook, so asking never waits for the sound system's lock.
static std::atomic<bool> musicSounding{false};
static void MusicFinished() { musicSounding = false; }

// The mixer's music hook while a rendered piece plays.
static void PlayRendered(void* playback, Uint8* stream, int bytes) {
    MixRendered(*static_cast<RenderedPlayback*>(playback), reinterpret_cast<int16_t*>(stream),
                size_t(bytes) / sizeof(int16_t));
}

// The first soundfont of the mixer's list (SDL_SOUNDFONTS, or ours).
static std::string FirstSoundFont() {
    const char* fonts = Mix_GetSoundFonts();
    if (!fonts) return {};
    const std::string list = fonts;
    return list.substr(0, list.find(';'));
}

SdlAudio::SdlAudio() {
    if (std::filesystem::exists(kSoundFont)) setenv("SDL_SOUNDFONTS", kSoundFont, 0);
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return;
    Mix_Init(MIX_INIT_MID);
    if (Mix_OpenAudio(22050, AUDIO_S16SYS, 2, 1024) != 0) return;
    Mix_AllocateChannels(1);
    Mix_HookMusicFinished(MusicFinished);
    ready_ = true;
    // Rendered pieces are 16-bit stereo at the mixer's own rate.
    int rate = 0;
    Uint16 format = 0;
    int channels = 0;
    const std::string soundFont = FirstSoundFont();
    std::error_code error;
    if (Mix_QuerySpec(&rate, &format, &channels) && format == AUDIO_S16SYS && channels == 2 &&
        std::filesystem::is_regular_file(soundFont, error))
        cache_ = std::make_unique<MusicCache>(soundFont, rate);
}

SdlAudio::~SdlAudio() {
    if (!ready_) return;
    musicClose();
    cache_.reset();
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
        if (cache_) {
            prefetchFolder(path);
            if (RenderedPiece piece = cache_->render(path, bytes, kRenderWaitMs)) {
                rendered_.piece = std::move(piece);
                rendered_.position = 0;
                return true;
            }
        }
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

void SdlAudio::prefetchFolder(const std::string& piecePath) {
    if (prefetched_) return;
    prefetched_ = true;
    std::error_code error;
    const std::filesystem::path folder = std::filesystem::path(piecePath).parent_path();
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        std::string extension = it->path().extension().string();
        std::transform(extension.begin(), extension.end(), extension.begin(), [](unsigned char c) { return char(std::tolower(c)); });
        if (extension != ".mid") continue;
        std::string bytes, why;
        if (ReadRegularFile(it->path().string(), kMusicFileLimit, bytes).problem != FileProblem::None) continue;
        if (MidiIsPlayable(bytes, why)) cache_->prefetch(it->path().string(), std::move(bytes));
    }
}

bool SdlAudio::musicPlay() {
    if (rendered_.piece) {
        Mix_HookMusic(PlayRendered, &rendered_);
        musicSounding = true;
        return true;
    }
    if (!music_) return false;
    // Loop inside the MIDI player: FluidSynth keeps a finished piece "playing"
    // for two silent seconds before it reports the end, so restarting it from
    // the frame wait would leave a gap; its own loop joins the bar lines exactly.
    if (Mix_PlayMusic(static_cast<Mix_Music*>(music_), -1) != 0) return false;
    musicSounding = true;
    return true;
}

void SdlAudio::musicStop() {
    if (ready_) {
        // Taking the hook away waits for the mixer to be done with the piece.
        Mix_HookMusic(nullptr, nullptr);
        Mix_HaltMusic();
    }
    musicSounding = false;
}

void SdlAudio::musicClose() {
    if (rendered_.piece) {
        Mix_HookMusic(nullptr, nullptr);
        rendered_.piece.reset();
    }
    if (music_) {
        Mix_HaltMusic();
        Mix_FreeMusic(static_cast<Mix_Music*>(music_));
        music_ = nullptr;
        musicBytes_.clear();
    }
    musicSounding = false;
}

bool SdlAudio::musicPlaying() { return (music_ || rendered_.piece) && musicSounding; }

void SdlAudio::musicRewind() {
    if (rendered_.piece) {
        Mix_HookMusic(nullptr, nullptr);
        rendered_.position = 0;
        if (musicSounding) Mix_HookMusic(PlayRendered, &rendered_);
    }
    if (music_) Mix_RewindMusic();
}

void SdlAudio::musicVolume(int volume) {
    if (!ready_) return;
    Mix_VolumeMusic(volume * MIX_MAX_VOLUME / 65535);
    rendered_.volume = volume * MIX_MAX_VOLUME / 65535;
}

}  // namespace zanbora
