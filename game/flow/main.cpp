// ZANBORA: the game program.
#include <iostream>
#include <string>

#include "game/core/Game.h"
#include "game/core/Shutdown.h"
#include "game/flow/CommandLine.h"
#include "game/flow/Startup.h"
#include "platform/AppDir.h"
#include "platform/EndSignals.h"
#include "platform/OldPlayerFiles.h"
#include "platform/SdlPlatform.h"

int main(int argc, char** argv) {
    using namespace zanbora;
    if (auto status = HandleCommandLine(argc, argv, std::cout, std::cerr)) return *status;
    CatchEndSignals();
    const std::string appDir = FindAppDir();
    const UserDirs dirs = FindUserDirs(appDir);
    CopyOldPlayerFiles(appDir, dirs);
    SdlPlatform platform(appDir, dirs);
    Game game(platform, appDir, dirs.data);
    try {
        Form_Load(game);
    } catch (const ProgramEnd& end) {
        return end.status;
    }
    return 0;
}
