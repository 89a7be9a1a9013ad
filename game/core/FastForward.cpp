#include "game/core/FastForward.h"

#include "game/core/Game.h"

namespace zanbora {

void FollowFastForward(Game& game) {
    const bool on = game.keys.FastForwardHeld || game.joy.PadFastForward;
    const int speed = on ? kFastForwardSpeed : 1;
    if (speed == game.time.speed()) return;
    game.time.setSpeed(speed);
    game.platform.showFastForward(on);
}

}  // namespace zanbora
