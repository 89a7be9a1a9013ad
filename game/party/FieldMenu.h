#pragma once
// The field menu the decide key opens: technique change (or teleport for
// the fighting race), mascots, the healing spell, basic knowledge,
// SimBone, save and quit.
namespace zanbora {

struct Game;

// Runs until the player cancels (back to the field where he stood) or
// teleports (back at the last town's return point).
void MenuN(Game& game);
// "Really quit?": back to the menu, or the end of the program without
// saving.
void ChackN(Game& game);

// The MP cost of one マメサンヒール on the field.
int FieldHealCost(const Game& game);

}  // namespace zanbora
