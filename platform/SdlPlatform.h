#pragma once
// The real machine: an SDL2 window captioned "ザンボラ戦記" that keeps the
// 640 x 480 canvas with the 512 x 350 game screen at (64, 64), drawn at a
// whole-number scale, letterboxed and nearest-pixel.
#include <memory>
#include <string>

#include "platform/Platform.h"

namespace zanbora {

class SdlPlatform : public Platform {
public:
    explicit SdlPlatform(std::string userDir);  // userDir holds the single-instance lock
    ~SdlPlatform() override;
    SdlPlatform(const SdlPlatform&) = delete;
    SdlPlatform& operator=(const SdlPlatform&) = delete;

    // False (with a message on stderr) when no window can be opened.
    bool openWindow();

    int64_t ticks() override;
    bool pollEvent(PlatformEvent& event) override;
    void waitForEvent(int timeoutMs) override;
    void present(const Pixels& frame) override;
    bool showFullScreenWindow() override;
    void fitFullScreenWindow(int width, int height) override;
    bool loadPicture(const std::string& path, Pixels& out) override;
    const Pixels& renderText(const std::string& utf8, int points) override;
    void playWave(const std::string& path) override;
    bool musicOpen(const std::string& path) override;
    bool musicPlay() override;
    void musicStop() override;
    void musicClose() override;
    bool musicPlaying() override;
    void musicRewind() override;
    void musicVolume(int volume) override;
    bool messageBox(const std::string& text, const std::string& caption, MessageBoxKind kind) override;
    std::unique_ptr<LoadedLibrary> openLibrary(const std::string& path) override;
    intptr_t windowHandle() override;
    bool acquireSingleInstance() override;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace zanbora
