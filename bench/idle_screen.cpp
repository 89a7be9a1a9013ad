// One screen of the game that waits for the player, opened straight from a
// level-12 勇者マメ on the field, in the game's own window and with the music
// it plays there, so that bench/idle-cpu can measure the screens a new hero
// cannot reach by a few key presses:
//   idle_screen town|training-hall|battle-menu|simbone|knowledge [seconds]
// Runs until the window is closed, or for `seconds` when given. The game
// folder is found as the game finds it (ZANBORA_DIR).
#include <SDL.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>
#include <string>

#include "game/battle/Battle.h"
#include "game/battle/MonsterTable.h"
#include "game/core/Game.h"
#include "game/core/Music.h"
#include "game/core/Shutdown.h"
#include "game/flow/MainLoop.h"
#include "game/flow/Startup.h"
#include "game/party/Inn.h"
#include "game/party/JobTables.h"
#include "game/party/KnowledgeScreen.h"
#include "game/party/SimBoneScreen.h"
#include "game/party/TrainingHall.h"
#include "game/view/FieldView.h"
#include "platform/AppDir.h"
#include "platform/SdlPlatform.h"

namespace {

using namespace zanbora;

// A hero some way into the game, standing on the field with its music.
void PlaceHero(Game& game) {
    Player& hero = game.player;
    hero.Name = "Idle";
    hero.Job = "勇者マメ";
    hero.Level = 12;
    hero.HeroX = 53.5;
    hero.HeroY = 480.5;
    ApplyJobTables(game);
    ApplyJobSprite(game);
    game.music.BgmFile = "data1.mid";
    BgmCtl(game, 0);
    DrawField(game);
    DrawHero(game);
}

void Town(Game& game) { EnterInn(game); }

void TrainingHall(Game& game) {
    ChangeMusic(game, "data3.mid");
    Shop(game);
}

// An opponent of the zone the first seal lies in, then the main loop, which
// waits in the battle's command menu.
void BattleMenu(Game& game) {
    game.player.HeroY = 300.5;
    ChooseEncounterMonster(game);
    game.GameState = "BATTLE";
    btl(game);
    man(game);
}

void Knowledge(Game& game) {
    game.field.Cursor = 0;
    Tisiki(game);
}

const std::map<std::string, std::function<void(Game&)>>& Screens() {
    static const std::map<std::string, std::function<void(Game&)>> screens{
        {"town", Town}, {"training-hall", TrainingHall}, {"battle-menu", BattleMenu},
        {"simbone", SimB}, {"knowledge", Knowledge}};
    return screens;
}

// Asks the game to end, as closing its window does.
Uint32 CloseWindow(Uint32, void*) {
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    SDL_PushEvent(&quit);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const auto screen = argc > 1 ? Screens().find(argv[1]) : Screens().end();
    if (screen == Screens().end()) {
        std::fprintf(stderr, "usage: idle_screen town|training-hall|battle-menu|simbone|knowledge [seconds]\n");
        return 2;
    }
    const std::string appDir = FindAppDir();
    const UserDirs dirs = FindUserDirs(appDir);
    SdlPlatform platform(appDir, dirs);
    Game game(platform, appDir, dirs.data);
    if (!platform.showMainWindow()) return 1;
    if (argc > 2) SDL_AddTimer(Uint32(std::atoi(argv[2]) * 1000), CloseWindow, nullptr);
    try {
        LoadGameData(game);
        PlaceHero(game);
        screen->second(game);
    } catch (const ProgramEnd& end) {
        return end.status;
    }
    return 0;
}
