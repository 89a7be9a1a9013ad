#pragma once
// The machine for tests: a virtual clock that a wait advances at once, key
// events scripted by virtual time or fed by an autopilot that looks at the
// game between frames, a record of every sound and music call, and every
// presented frame. Runs a whole game at full speed, deterministically.
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/FontRenderer.h"
#include "platform/Platform.h"

namespace zanbora {

class HeadlessPlatform : public Platform {
public:
    HeadlessPlatform();
    ~HeadlessPlatform() override;

    // --- scripting -------------------------------------------------------
    // An event delivered once the virtual clock reaches atMs.
    void eventAt(int64_t atMs, PlatformEvent event);
    void keyDownAt(int64_t atMs, int key);
    void keyUpAt(int64_t atMs, int key);
    // Key down now, key up holdMs later.
    void tap(int key, int holdMs = 20);
    // Text as the keyboard or an input method commits it, at atMs.
    void textAt(int64_t atMs, const std::string& utf8);
    // The input method's composition so far ("" when it is done).
    void composeAt(int64_t atMs, const std::string& utf8, int caret);
    // A press and release of the main button at a point of the game picture;
    // clicks = 2 is the second press of a double click.
    void clickAt(int64_t atMs, int x, int y, int clicks = 1);
    void wheelAt(int64_t atMs, int steps);
    // Called after every presented frame (the frame is lastFrame()).
    std::function<void(HeadlessPlatform&)> autopilot;
    // Called whenever the game sleeps waiting for events.
    std::function<void(HeadlessPlatform&)> onWait;
    // When the virtual clock passes this, a Quit event is delivered (a test
    // that loses its way ends instead of hanging).
    int64_t quitAfterMs = 10 * 60 * 1000;

    // --- what the game did ----------------------------------------------
    const Pixels& lastFrame() const { return lastFrame_; }
    int frameCount() const { return frameCount_; }
    std::function<void(const Pixels&)> onPresent;
    // "wave <path>", "music open <path>", "music play", "music stop",
    // "music close", "music rewind", "music volume <v>"
    std::vector<std::string> soundLog;
    std::vector<std::string> messageBoxes;  // "caption: text"
    bool answerOk = true;                    // the answer to OK/Cancel boxes
    bool musicEnded = false;                 // a test ends the piece to see it restart
    bool fullScreenShown = false;
    bool fastForwardShown = false;  // the mark beside the picture
    bool textInputOn = false;  // between startTextInput and stopTextInput
    bool plainKeysOn = false;  // between plainKeys(true) and plainKeys(false)
    bool anotherInstanceRunning = false;
    std::string lockUnusable;  // when set, the lock cannot be used, for this reason
    bool mainWindowShown = false;
    // Libraries a test provides in place of files in the game folder.
    std::map<std::string, std::function<std::unique_ptr<LoadedLibrary>()>> libraries;

    void advance(int64_t ms) { now_ += ms; }

    // --- Platform ----------------------------------------------------------
    int64_t ticks() override { return now_; }
    bool pollEvent(PlatformEvent& event) override;
    void waitForEvent(int timeoutMs) override;
    void present(const Pixels& frame) override;
    bool showFullScreenWindow() override;
    void showFastForward(bool on) override { fastForwardShown = on; }
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
    void startTextInput(int, int, int, int) override { textInputOn = true; }
    void stopTextInput() override { textInputOn = false; }
    void plainKeys(bool on) override { plainKeysOn = on; }
    bool messageBox(const std::string& text, const std::string& caption, MessageBoxKind kind) override;
    std::unique_ptr<LoadedLibrary> openLibrary(const std::string& path) override;
    intptr_t windowHandle() override { return 1; }
    InstanceLock acquireSingleInstance(std::string& why) override {
        why = lockUnusable;
        if (!lockUnusable.empty()) return InstanceLock::Unusable;
        return anotherInstanceRunning ? InstanceLock::Running : InstanceLock::Held;
    }
    bool showMainWindow() override {
        mainWindowShown = true;
        return true;
    }

private:
    struct Scheduled {
        int64_t at;
        PlatformEvent event;
    };
    int64_t now_ = 1000;
    std::vector<Scheduled> script_;  // kept in time order
    Pixels lastFrame_;
    int frameCount_ = 0;
    bool quitSent_ = false;
    bool musicLoaded_ = false;
    bool musicOn_ = false;
    FontRenderer fonts_;
};

}  // namespace zanbora
