#pragma once
// Everything the running game knows, in one object made of the records the
// subsystems own. The procedures keep the game's names (man, MOVEN, btl, ...)
// and work on it; a test builds a fresh Game.
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "game/core/BattleState.h"
#include "game/core/DisplayMode.h"
#include "game/core/GameClock.h"
#include "game/core/Input.h"
#include "game/core/JoyPad.h"
#include "game/core/MapLayers.h"
#include "game/core/Monster.h"
#include "game/core/Music.h"
#include "game/core/Player.h"
#include "game/core/Random.h"
#include "game/core/Sheets.h"
#include "game/core/Surface.h"
#include "platform/Platform.h"

namespace zanbora {

// Frame clock and the shared 0-1-2-1 animation phase.
struct FrameClock {
    int64_t LastTick = 0;
    int AnimPhase = 0;
    int AnimStep = 1;
    int DrawSkip = 1;
};

// The hero on the field between frames.
struct FieldState {
    int Facing = 0;  // 0 up, 1 right, 2 down, 3 left
    double StepX = 0;
    // The menu cursor and the field's vertical step are one variable: the
    // field clears its step before opening a menu, so every menu starts at 0.
    double StepY = 0;
    double& Cursor = StepY;
    int LastCellX = 0, LastCellY = 0;
    double EncounterSteps = 0;
    int AmbientPhase = 0, AmbientStep = 1;
    int WalkFrame = 1, WalkStep = 1;
    int Moved = 0;
    int FieldCounter = 0;
    int CellEvent = 0;
    double SinTab[81] = {};
    double CosTab[81] = {};

    FieldState() = default;
    FieldState(const FieldState&) = delete;
    FieldState& operator=(const FieldState&) = delete;
};

// The start screen's controls, as far as the rest of the game reads them.
struct StartScreen {
    std::string Text1;        // hero name box
    int check1 = 1;           // draw-skip slider
    bool Check2 = false;      // full screen
    bool visible = false;
    // Why the last name was refused, shown until the next try.
    std::string Notice;
    // While the screen is shown, every window event also waits here for it.
    std::vector<PlatformEvent> events;
};

struct Game {
    // userDir: where the game writes (see FindUserDir); empty means appDir.
    Game(Platform& platform, std::string appDir, std::string userDir = {});
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    Platform& platform;
    std::string AppDir;   // where the game's data is read from
    std::string UserDir;  // where saves, name.ini, settings and screenshots go

    std::string GameState = "MOVE";
    bool MainLoopRunning = false;
    KeyFlags keys;
    JoyPadState joy;
    GameClock time{platform};
    FrameClock clock;
    FieldState field;
    Player player;
    Monster monster;
    BattleState battle;
    MapLayers map;
    MusicState music;
    StartScreen start;
    DisplayState display;
    Random rng;

    Surface Pic{512, 350};
    Sheets sheets;

    double Rnd() { return rng.next(); }
    int64_t now() { return time.now(); }
};

// Int(x) of the game: the floor. Scaled opponents reach billions of HP, so the
// result is 64 bits wide; values beyond its range stay at its ends and NaN
// counts as 0 rather than being undefined.
inline int64_t Int(double x) {
    constexpr double kLimit = 9223372036854775808.0;  // 2^63
    if (std::isnan(x)) return 0;
    const double f = std::floor(x);
    if (f >= kLimit) return INT64_MAX;
    if (f < -kLimit) return INT64_MIN;
    return int64_t(f);
}

}  // namespace zanbora
