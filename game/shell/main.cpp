// ZANBORA: the game program.
#include <cstdio>

#include "game/shell/Game.h"
#include "game/shell/Shutdown.h"
#include "game/shell/Startup.h"
#include "platform/AppDir.h"
#include "platform/EndSignals.h"
#include "platform/SdlPlatform.h"

int main() {
    using namespace zanbora;
    CatchEndSignals();
    const std::string appDir = FindAppDir();
    const std::string userDir = FindUserDir(appDir);
    SdlPlatform platform(appDir, userDir);
    Game game(platform, appDir, userDir);
    try {
        Form_Load(game);
    } catch (const ProgramEnd& end) {
        return end.status;
    }
    return 0;
}
