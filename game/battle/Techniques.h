#pragma once
// The hero's special techniques, chosen as Skill and used with the battle
// command "特殊攻撃".
namespace zanbora {

struct Game;

// Uses the selected technique: its MP test and payment, its effect and its
// scene. With too little MP nothing happens and the turn is spent.
void UseTechnique(Game& game);

// The storm's key-mashing game (scene "BURI"): Z and X pressed in turn fill
// the gauge; the blow costs experience, less the more presses.
void PlayStormGame(Game& game);
// The bomb's fuse game (scene "BOM"): decide releases the bomb; too early
// and it goes off in the hero's hands.
void PlayBombGame(Game& game);

// The feast after a victory won with the ritual; one outcome ends the game.
void RitualFeast(Game& game);

}  // namespace zanbora
