#include "game/story/MedalScene.h"

namespace zanbora {

// Stand-in until the medal animation is built: the medal is taken quietly.
void MedalScene(Game&) {}

}  // namespace zanbora
