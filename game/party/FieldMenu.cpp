#include "game/party/FieldMenu.h"

#include "game/shell/Game.h"

namespace zanbora {

// Stand-in until the field menu is built: nothing opens.
void MenuN(Game&) {}

}  // namespace zanbora
