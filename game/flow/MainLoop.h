#pragma once
namespace zanbora {

struct Game;

// The main loop: runs field frames, battle turns and the door prompt as
// GameState says, until the program ends (Form_Unload throws ProgramEnd).
void man(Game& game);

// One pass of each state, for the loop and for tests. Each returns true when
// the pass of the outer loop ends.
bool FieldFrame(Game& game);
bool BattleTurn(Game& game);
bool DoorPrompt(Game& game);
// What follows a battle won or fled (the rock guardians, the ritual feast,
// the ending, the field music, the wipe back to the field).
void AfterBattle(Game& game);

}  // namespace zanbora
