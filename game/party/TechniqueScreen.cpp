#include "game/party/TechniqueScreen.h"

#include "game/shell/Game.h"

namespace zanbora {

// Stand-in until the technique screen is built: nothing changes.
void WzS(Game& game) { game.battle.SkillChanged = 0; }

}  // namespace zanbora
