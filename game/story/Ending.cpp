#include "game/story/Ending.h"

#include "game/shell/Game.h"
#include "game/shell/Shutdown.h"

namespace zanbora {

// Stand-in until the ending is built: the game ends.
void EndingScene(Game& game) { Form_Unload(game); }

}  // namespace zanbora
