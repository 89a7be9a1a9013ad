#include "game/core/Game.h"

namespace zanbora {

Game::Game(Platform& p, std::string appDir, std::string userDir)
    : platform(p), AppDir(std::move(appDir)), UserDir(userDir.empty() ? AppDir : std::move(userDir)) {
    clock.LastTick = time.now();
}

}  // namespace zanbora
