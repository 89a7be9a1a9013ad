#include "game/core/Frame.h"

#include <algorithm>

#include "game/core/Game.h"
#include "game/core/Input.h"
#include "game/core/JoyPad.h"
#include "game/core/Music.h"

namespace zanbora {

void Wait(Game& game, int ms) {
    FrameClock& clock = game.clock;
    BeginFrameInput(game);
    if (game.display.FullScreen == 1) game.platform.present(game.Pic.pixels());
    clock.AnimPhase += clock.AnimStep;
    if (clock.AnimPhase >= 2 || clock.AnimPhase <= 0) clock.AnimStep = -clock.AnimStep;
    BgmCtl(game, 2);
    const int64_t deadline = clock.LastTick + ms;
    for (;;) {
        ProcessEvents(game);
        const int64_t realMs = game.time.realMsUntil(deadline);
        if (realMs <= 0) break;
        game.platform.waitForEvent(int(std::min<int64_t>(realMs, 1000)));
    }
    clock.LastTick = game.time.reach(deadline);
}

void Present(Game& game) {
    PollJoystick(game);
    game.platform.present(game.Pic.pixels());
}

void AwaitDecideOrAct(Game& game) {
    while (!game.keys.KeyDecide && !game.keys.KeyAct) {
        ProcessEvents(game);
        PollJoystick(game);
        if (!game.keys.KeyDecide && !game.keys.KeyAct) game.platform.waitForEvent(10);
    }
}

void WaitKey(Game& game) {
    AwaitDecideOrAct(game);
    game.keys.KeyDecide = game.keys.KeyAct = false;
}

void ScreenWipe(Game& game) {
    for (int i = 0; i <= 31; ++i) {
        game.clock.LastTick = game.now();
        for (int j = 0; j <= 15 && j <= i; ++j) game.Pic.fillRect(40 * j, 0, 2 * i + 37 * j, 350, 0x000000);
        Present(game);
        Wait(game, 30);
    }
}

void DrawText(Game& game, const std::string& text, int x, int y) {
    game.Pic.blendMask(x, y, game.platform.renderText(text, game.Pic.fontSize), game.Pic.foreColour);
}

}  // namespace zanbora
