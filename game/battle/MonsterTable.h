#pragma once
namespace zanbora {

struct Game;

// Fills the opponent for a random encounter at the hero's row.
void ChooseEncounterMonster(Game& game);
// The opponent's name, shown while the knight mascot is with the hero.
void DrawMonsterName(Game& game);

}  // namespace zanbora
