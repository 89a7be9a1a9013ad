#pragma once
namespace zanbora {

struct Game;

// The hero's numbers on the field screen.
void DrawStatusPanel(Game& game);
// The hero's bar under the battle scene.
void DrawBattleBar(Game& game);

}  // namespace zanbora
