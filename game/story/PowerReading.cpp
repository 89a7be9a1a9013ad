#include "game/story/PowerReading.h"

namespace zanbora {

// Stand-in until the power reading is built: the ball stays dark.
void PowerReading(Game&) {}

}  // namespace zanbora
