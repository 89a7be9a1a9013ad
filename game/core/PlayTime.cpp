#include "game/core/PlayTime.h"

#include <cmath>

#include "game/core/Game.h"
#include "game/core/NumberText.h"

namespace zanbora {

double PlayTimeMs(Game& game) {
    return game.player.Progress[12] + double(game.now() - game.player.PlayClock);
}

std::string PlayTimeText(double ms) {
    const int hours = Int(ms / 3600000);
    const int minutes = Int(std::fmod(ms, 3600000) / 60000);
    return NumberText(hours) + (minutes > 9 ? ":" : ":0") + NumberText(minutes);
}

}  // namespace zanbora
