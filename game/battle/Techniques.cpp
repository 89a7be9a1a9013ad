#include "game/battle/Techniques.h"

#include "game/shell/Game.h"

namespace zanbora {

// Stand-in until the techniques are built.
void RitualFeast(Game&) {}

}  // namespace zanbora
