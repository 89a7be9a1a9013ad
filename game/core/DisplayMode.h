#pragma once
// Full-screen play: the display switched to 640 x 480 for this run through
// libResMode.so, and the mode that was in force put back when the program
// ends — by Form_Unload, or, if the program ends any other way (a signal, a
// crash), by a helper process that watches it.
#include <cstdint>
#include <memory>

#include "platform/ExitWatch.h"
#include "platform/Platform.h"

namespace zanbora {

struct Game;

// The three calls of libResMode.so: width, height, bits per pixel, frequency.
using DisplayModeCall = int32_t (*)(int32_t* width, int32_t* height, int32_t* bits, int32_t* frequency);

struct ResModeApi {
    DisplayModeCall EnumDisplay = nullptr;
    DisplayModeCall GetDisplay = nullptr;
    DisplayModeCall SetDisplay = nullptr;
    bool complete() const { return EnumDisplay && GetDisplay && SetDisplay; }
};

// The display mode before full-screen play, put back at the end.
struct DisplayState {
    DisplayState() = default;
    DisplayState(const DisplayState&) = delete;
    DisplayState& operator=(const DisplayState&) = delete;
    // A game that goes away still in full screen puts the saved mode back.
    ~DisplayState();

    int SavedWidth = 0, SavedHeight = 0, SavedBits = 0, SavedFrequency = 0;
    int FullScreen = 0;
    std::unique_ptr<LoadedLibrary> library;
    ResModeApi api;
    std::unique_ptr<ExitWatch> watch;
};

// Starting a game with full screen chosen: Form2 shown in place of Form1,
// then the switch below.
void StartFullScreen(Game& game);
// After Form2 has been shown: switch to the first 640 x 480 mode of 16 bits
// or more (or the last mode listed), or say that the change failed.
void SwitchToGameMode(Game& game);
// At the end of the program, after a successful switch: the saved mode again.
void RestoreDisplayMode(Game& game);

}  // namespace zanbora
