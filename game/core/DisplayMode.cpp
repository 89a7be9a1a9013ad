#include "game/core/DisplayMode.h"

#include "game/core/Game.h"

namespace zanbora {

namespace {

constexpr int32_t kGameWidth = 640;
constexpr int32_t kGameHeight = 480;
constexpr int32_t kLeastBits = 16;
// No display lists this many modes; a library that never stops listing
// must not hang the game.
constexpr int kMostModes = 10000;

void ReportFailure(Game& game) {
    game.platform.messageBox("解像度の変更に失敗しました", "ERROR", MessageBoxKind::Ok);
}

// libResMode.so from the game folder, looked up the first time it is needed.
const ResModeApi& LoadResMode(Game& game) {
    DisplayState& display = game.display;
    if (!display.library) {
        display.library = game.platform.openLibrary(game.AppDir + "/libResMode.so");
        if (LoadedLibrary* lib = display.library.get()) {
            display.api.EnumDisplay = reinterpret_cast<DisplayModeCall>(lib->symbol("EnumDisplay"));
            display.api.GetDisplay = reinterpret_cast<DisplayModeCall>(lib->symbol("GetDisplay"));
            display.api.SetDisplay = reinterpret_cast<DisplayModeCall>(lib->symbol("SetDisplay"));
        }
    }
    return display.api;
}

}  // namespace

void StartFullScreen(Game& game) {
    if (!game.platform.showFullScreenWindow()) {
        ReportFailure(game);
        return;
    }
    SwitchToGameMode(game);
}

void SwitchToGameMode(Game& game) {
    DisplayState& display = game.display;
    display.FullScreen = 0;
    const ResModeApi& api = LoadResMode(game);
    // Without the library, or without knowing the mode to come back to,
    // the display is left alone.
    int32_t sw = display.SavedWidth, sh = display.SavedHeight, sb = display.SavedBits, sf = display.SavedFrequency;
    if (!api.complete() || api.GetDisplay(&sw, &sh, &sb, &sf) == 0) {
        ReportFailure(game);
        return;
    }
    display.SavedWidth = sw;
    display.SavedHeight = sh;
    display.SavedBits = sb;
    display.SavedFrequency = sf;

    int32_t w = 0, h = 0, b = 0, f = 0;
    for (int listed = 0; listed < kMostModes && api.EnumDisplay(&w, &h, &b, &f) == 1; ++listed)
        if (w == kGameWidth && h == kGameHeight && b >= kLeastBits) break;

    // Should the game end without Form_Unload, the helper puts the saved
    // mode back.
    const DisplayModeCall setDisplay = api.SetDisplay;
    display.watch = ExitWatch::start([setDisplay, sw, sh, sb, sf]() mutable { setDisplay(&sw, &sh, &sb, &sf); });
    if (api.SetDisplay(&w, &h, &b, &f) == 0) {
        display.watch.reset();
        ReportFailure(game);
        return;
    }
    display.FullScreen = 1;
    game.platform.fitFullScreenWindow(w, h);
}

DisplayState::~DisplayState() {
    if (FullScreen != 1 || !api.SetDisplay) return;
    int32_t w = SavedWidth, h = SavedHeight, b = SavedBits, f = SavedFrequency;
    api.SetDisplay(&w, &h, &b, &f);
}

void RestoreDisplayMode(Game& game) {
    DisplayState& display = game.display;
    if (display.FullScreen != 1) return;
    int32_t w = display.SavedWidth, h = display.SavedHeight, b = display.SavedBits, f = display.SavedFrequency;
    const bool restored = display.api.SetDisplay(&w, &h, &b, &f) != 0;
    display.FullScreen = 0;
    display.watch.reset();
    if (!restored) ReportFailure(game);
}

}  // namespace zanbora
