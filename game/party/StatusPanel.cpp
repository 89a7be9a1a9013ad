#include "game/party/StatusPanel.h"

#include <string>

#include "game/shell/Frame.h"
#include "game/shell/Game.h"

namespace zanbora {

// Stand-ins until the hero's panels are built.
void DrawStatusPanel(Game& game) {
    DrawText(game, "Lv " + std::to_string(Int(game.player.Level)), 10, 10);
}

void DrawBattleBar(Game& game) {
    DrawText(game, "HP " + std::to_string(Int(game.player.Hp)), 30, 320);
}

}  // namespace zanbora
