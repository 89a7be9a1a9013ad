#include "game/core/GameClock.h"

namespace zanbora {

GameClock::GameClock(Platform& platform)
    : platform_(platform), real_(platform.ticks()), game_(real_), shown_(real_) {}

void GameClock::follow() {
    const int64_t real = platform_.ticks();
    if (real <= real_) return;
    game_ += (real - real_) * speed_;
    real_ = real;
    unseen_ = 0;
}

int64_t GameClock::now() {
    follow();
    return shown_ = game_ - unseen_;
}

int64_t GameClock::realMsUntil(int64_t gameMs) {
    follow();
    const int64_t left = gameMs - game_;
    return left <= 0 ? left : (left + speed_ - 1) / speed_;
}

int64_t GameClock::reach(int64_t gameMs) {
    follow();
    if (gameMs >= shown_ && gameMs <= game_ && game_ - gameMs < speed_) unseen_ = game_ - gameMs;
    return shown_ = game_ - unseen_;
}

void GameClock::setSpeed(int speed) {
    follow();
    speed_ = speed;
}

}  // namespace zanbora
