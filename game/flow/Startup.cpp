#include "game/flow/Startup.h"

#include <cmath>

#include "game/core/Game.h"
#include "game/core/JoyPad.h"
#include "game/core/MapLayers.h"
#include "game/core/Player.h"
#include "game/core/Sheets.h"
#include "game/core/Shutdown.h"
#include "game/flow/Title.h"
#include "game/party/NameFile.h"
#include "game/party/StartScreen.h"
#include "platform/AppDir.h"
#include "platform/SafeFile.h"

namespace zanbora {

static void FillCircleTables(FieldState& field) {
    constexpr double kDegree = 3.14159265358979323846 / 180.0;
    for (int k = 1; k <= 80; ++k) {
        field.SinTab[k] = std::sin(k * 4.5 * kDegree);
        field.CosTab[k] = std::cos(k * 4.5 * kDegree);
    }
}

static void SetNewGameValues(Game& game) {
    game.clock.AnimStep = 1;
    game.clock.AnimPhase = 0;
    FieldState& field = game.field;
    field.AmbientStep = 1;
    field.AmbientPhase = 0;
    field.WalkStep = 1;
    field.WalkFrame = 1;
    field.FieldCounter = 0;
    SetNewHeroDefaults(game.player);
    game.GameState = "MOVE";
    game.monster.Id = 2;
}

void LoadGameData(Game& game) {
    std::string problem;
    std::string mapPath = ResolveGamePath(game.AppDir, "\\map.dat");
    if (!LoadTerrainFile(mapPath, game.map, problem)) {
        game.platform.messageBox("マップファイル " + mapPath + " が" + problem + "。\nゲームを再インストールしてください。",
                                 "ザンボラ戦記", MessageBoxKind::Ok);
        throw ProgramEnd{2};
    }
    InitJoystick(game);
    FillCircleTables(game.field);
    game.rng.seed(uint32_t(game.now()));
    SetNewGameValues(game);
    LoadSheets(game);
    // A saves/ that is a link or no folder is left alone; saving says why.
    std::string savesProblem;
    if (EnsurePlainDirectory(game.UserDir + "/saves", savesProblem)) RemoveLeftoverTemporaries(game.UserDir + "/saves");
    RemoveLeftoverTemporaries(game.UserDir);
    game.Pic.fontSize = 15;
    NameFile names;
    if (ReadNameFile(ResolveGamePath(game.UserDir, "\\name.ini"), names)) {
        game.start.Text1 = names.name;
        game.start.check1 = names.drawSkip;
    } else {
        game.start.Text1 = "偽マメ";
        game.start.check1 = 1;
    }
    game.clock.DrawSkip = game.start.check1;
}

void Form_Load(Game& game) {
    game.clock.LastTick = game.now();
    // A second copy says so and leaves before it has opened its window.
    std::string why;
    switch (game.platform.acquireSingleInstance(why)) {
        case InstanceLock::Held: break;
        case InstanceLock::Running:
            game.platform.messageBox("ザンボラ戦記はすでに起動しています。", "ザンボラ戦記", MessageBoxKind::Ok);
            throw ProgramEnd{1};
        case InstanceLock::Unusable:
            game.platform.messageBox("ロックファイルが使えないため起動できません。\n" + why, "ザンボラ戦記",
                                     MessageBoxKind::Ok);
            throw ProgramEnd{1};
    }
    if (!game.platform.showMainWindow()) throw ProgramEnd{1};
    LoadGameData(game);
    Demo(game);
    ShowStartScreen(game);
}

}  // namespace zanbora
