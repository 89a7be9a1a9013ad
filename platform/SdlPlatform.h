#pragma once
// The real machine: an SDL2 window captioned "ザンボラ戦記" that keeps the
// 640 x 480 canvas with the 512 x 350 game screen at (64, 64), drawn at a
// whole-number scale, letterboxed and nearest-pixel.
//
// Beside what the game asks for, the window follows settings.ini (keys,
// scale, full screen, volumes), switches desktop full screen on Alt+Enter,
// saves a screenshot on F12, and draws a frame only when it differs from
// the one on screen (or the window was uncovered or resized).
#include <memory>
#include <string>

#include "platform/AppDir.h"
#include "platform/Platform.h"

struct SDL_KeyboardEvent;

namespace zanbora {

class SdlPlatform : public Platform {
public:
    // The game folder holds the window icon (cg/icon.png); the player's data
    // folder holds the screenshots and the single-instance lock, the config
    // folder settings.ini.
    SdlPlatform(std::string appDir, UserDirs userDirs);
    ~SdlPlatform() override;
    SdlPlatform(const SdlPlatform&) = delete;
    SdlPlatform& operator=(const SdlPlatform&) = delete;


    int64_t ticks() override;
    bool pollEvent(PlatformEvent& event) override;
    void waitForEvent(int timeoutMs) override;
    void present(const Pixels& frame) override;
    bool showFullScreenWindow() override;
    void showFastForward(bool on) override;
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
    void startTextInput(int x, int y, int w, int h) override;
    void stopTextInput() override;
    void plainKeys(bool on) override;
    bool messageBox(const std::string& text, const std::string& caption, MessageBoxKind kind) override;
    std::unique_ptr<LoadedLibrary> openLibrary(const std::string& path) override;
    intptr_t windowHandle() override;
    InstanceLock acquireSingleInstance(std::string& why) override;
    // False (with a message on stderr) when no window can be opened.
    bool showMainWindow() override;

    // How many frames have really been drawn into the window so far.
    int drawnFrames() const;

private:
    // Alt+Enter and F12, which the window keeps for itself.
    bool handleDesktopKey(const SDL_KeyboardEvent& key);
    void drawShownFrame();
    // Sends rows [first, end) of the shown frame to the window and presents it.
    void drawShownRows(int first, int end);

    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace zanbora
