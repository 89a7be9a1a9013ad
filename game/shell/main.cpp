// ZANBORA: the game program.
#include <cstdio>

#include "game/shell/Game.h"
#include "game/shell/Shutdown.h"
#include "game/shell/Startup.h"
#include "platform/AppDir.h"
#include "platform/SdlPlatform.h"

int main() {
    using namespace zanbora;
    std::string appDir = FindAppDir();
    SdlPlatform platform(appDir);
    if (!platform.openWindow()) return 1;
    Game game(platform, appDir);
    try {
        Form_Load(game);
    } catch (const ProgramEnd& end) {
        return end.status;
    }
    return 0;
}
