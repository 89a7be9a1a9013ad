#include "game/flow/MainLoop.h"

#include "game/core/Frame.h"
#include "game/core/Game.h"
#include "game/core/JoyPad.h"
#include "game/core/Music.h"
#include "game/flow/CellTriggers.h"
#include "game/party/FieldMenu.h"
#include "game/view/StatusPanel.h"

namespace zanbora {

static bool IsWalkableForRock(int terrain) {
    switch (terrain) {
        case 15: case 12: case 13: case 6: case 14: case 10: case 2: case 8: return true;
        default: return false;
    }
}

// The act key on the pushable rock shoves it one cell the way the hero faces.
static void PushRock(Game& game) {
    FieldState& field = game.field;
    field.StepX = field.StepY = 0;
    int x = Int(game.player.HeroX + 0.5), y = Int(game.player.HeroY + 0.9);
    if (game.map.eventAt(x, y) == 17) {
        int tx = x, ty = y;
        switch (field.Facing) {
            case 3: --tx; break;
            case 1: ++tx; break;
            case 0: --ty; break;
            default: ++ty; break;
        }
        if (IsWalkableForRock(game.map.terrainAt(tx, ty)) && game.map.eventAt(tx, ty) == 0) {
            game.map.setEvent(tx, ty, 17);
            game.map.setEvent(x, y, 0);
        }
    }
    field.StepX = field.StepY = 0;
}

bool FieldFrame(Game& game) {
    FieldState& field = game.field;
    field.Moved = 0;
    game.Pic.clear();
    if (game.keys.KeyDecide) {
        PlayMen03(game);
        game.keys.KeyDecide = false;
        field.Cursor = 0;
        MenuN(game);
    }
    if (game.keys.KeyAct) {
        game.keys.KeyAct = false;
        PushRock(game);
    }
    if (Int(game.Rnd() * 4) == 0) {
        field.AmbientPhase += field.AmbientStep;
        if (field.AmbientPhase <= 0 || field.AmbientPhase >= 3) field.AmbientStep = -field.AmbientStep;
    }
    MOVEN(game);
    if (game.GameState == "BATTLE" || game.GameState == "BATTLE2") return true;
    field.Moved = 0;
    DrawStatusPanel(game);
    Present(game);
    Wait(game, 48 * game.clock.DrawSkip);
    return false;
}

// Entering the loop with a loaded game restarts the field music and fades
// the screen in from white.
static void EnterMainLoop(Game& game) {
    PollJoystick(game);
    game.Pic.foreColour = QBColor(15);
    game.field.LastCellX = Int(game.player.HeroX + 0.5);
    game.field.LastCellY = Int(game.player.HeroY + 0.9);
    game.field.WalkFrame = 1;
    if (game.player.Level != 1) {
        ChangeMusic(game, "data1.mid");
        for (int v = 255; v >= 5; v -= 10) {
            game.Pic.setBackColour(Rgb(v, v, v));
            Present(game);
            Wait(game, 30);
        }
        game.Pic.setBackColour(0);
    }
}

void man(Game& game) {
    game.MainLoopRunning = true;
    EnterMainLoop(game);
    for (;;) {
        game.battle.resetOffsets();
        game.field.EncounterSteps = Int(game.Rnd() * 17) + 8;
        if (game.player.Progress[16] == 9) game.field.EncounterSteps += 6;
        for (bool passOver = false; !passOver;) {
            PollJoystick(game);
            game.rng.seed(uint32_t(game.now()));
            if (game.GameState == "MOVE") {
                passOver = FieldFrame(game);
            } else if (game.GameState == "BATTLE") {
                passOver = BattleTurn(game);
            } else if (game.GameState == "BATTLE2") {
                passOver = DoorPrompt(game);
            } else {
                // Another screen owns the game; keep the window alive
                // without drawing until it changes the state.
                ProcessEvents(game);
                game.platform.waitForEvent(10);
            }
        }
    }
}

}  // namespace zanbora
