#include "game/shell/Game.h"

namespace zanbora {

Game::Game(Platform& p, std::string appDir) : platform(p), AppDir(std::move(appDir)) {
    clock.LastTick = platform.ticks();
}

}  // namespace zanbora
