#pragma once
// The machine as the game sees it: a clock, key events, a screen to show
// finished frames on, pictures, text, sound and a message box. The game
// never talks to SDL or the OS except through this interface; play uses
// SdlPlatform, tests use HeadlessPlatform.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/Pixels.h"

namespace zanbora {

struct PlatformEvent {
    // TextInput: committed text of the keyboard or the input method.
    // TextEditing: the input method's composition so far ("" when it ends),
    // `key` is the caret inside it in characters.
    // Mouse events carry the point in game-picture pixels (0..511, 0..349,
    // outside that when the pointer is beside the picture); MouseDown has
    // `clicks` = 2 for a double click; MouseWheel has the steps in `y`
    // (positive away from the player).
    enum class Kind { KeyDown, KeyUp, Quit, TextInput, TextEditing, MouseDown, MouseUp, MouseMove, MouseWheel };
    PlatformEvent() = default;
    PlatformEvent(Kind k, int virtualKey) : kind(k), key(virtualKey) {}
    Kind kind = Kind::KeyDown;
    int key = 0;  // virtual key code (see KeyCodes.h)
    std::string text;
    int x = 0, y = 0;
    int clicks = 0;
};

// A run-time loaded shared library (the joystick and display-mode helpers).
class LoadedLibrary {
public:
    virtual ~LoadedLibrary() = default;
    virtual void* symbol(const char* name) = 0;
};

enum class MessageBoxKind { Ok, OkCancel };

// The one-copy-per-folder lock: held by this copy, held by another running
// copy, or not usable at all (something that is no plain file stands there).
enum class InstanceLock { Held, Running, Unusable };

class Platform {
public:
    virtual ~Platform() = default;

    // Milliseconds since some fixed point; never goes backwards.
    virtual int64_t ticks() = 0;
    // Next pending event, if any; never blocks.
    virtual bool pollEvent(PlatformEvent& event) = 0;
    // Sleeps until an event is pending or timeoutMs have passed.
    virtual void waitForEvent(int timeoutMs) = 0;

    // Shows a finished 512 x 350 frame.
    virtual void present(const Pixels& frame) = 0;
    // Full-screen play: a borderless window covering the display shows the
    // frames instead of the main window. Returns false if it cannot.
    virtual bool showFullScreenWindow() = 0;
    // The display now runs at width x height: the full-screen window covers
    // exactly that.
    virtual void fitFullScreenWindow(int /*width*/, int /*height*/) {}

    // While on, the fast-forward mark "▶▶" shows in a corner of the window,
    // outside the game's picture.
    virtual void showFastForward(bool /*on*/) {}

    // Reads a BMP or JPEG file. False if the file is missing or unreadable.
    virtual bool loadPicture(const std::string& path, Pixels& out) = 0;
    // Renders one line of UTF-8 text as an alpha mask (0..255 per pixel,
    // stored in the low byte) at the given point size and 96 DPI.
    virtual const Pixels& renderText(const std::string& utf8, int points) = 0;

    // Wave effects: one channel, a new effect cuts the one playing.
    virtual void playWave(const std::string& path) = 0;
    // Background music: one piece at a time.
    virtual bool musicOpen(const std::string& path) = 0;
    virtual bool musicPlay() = 0;
    virtual void musicStop() = 0;
    virtual void musicClose() = 0;
    virtual bool musicPlaying() = 0;
    virtual void musicRewind() = 0;
    // 0..65535
    virtual void musicVolume(int volume) = 0;

    // Typing text (start screen): while on, key presses also arrive as
    // TextInput and the input method may compose. The rectangle, in
    // game-picture pixels, is where the composition is shown, so the input
    // method puts its candidate list beside it.
    virtual void startTextInput(int /*x*/, int /*y*/, int /*w*/, int /*h*/) {}
    virtual void stopTextInput() {}
    // While on (the start screen), keys arrive as the keyboard's own keys
    // (Return as Enter, Space as Space) instead of the player's game keys.
    virtual void plainKeys(bool /*on*/) {}

    // Modal message box; true when the player chose OK.
    virtual bool messageBox(const std::string& text, const std::string& caption, MessageBoxKind kind) = 0;

    // dlopen of a library in the game folder; nullptr when missing or broken.
    virtual std::unique_ptr<LoadedLibrary> openLibrary(const std::string& path) = 0;
    // Window-system handle passed to the joystick library's presence test.
    virtual intptr_t windowHandle() = 0;

    // Takes the lock of the game's folder; for Running and Unusable `why`
    // says what stands there (also said on stderr).
    virtual InstanceLock acquireSingleInstance(std::string& why) = 0;
    // Opens the game's window. False when there is no display to open it on.
    virtual bool showMainWindow() = 0;
};

}  // namespace zanbora
