#pragma once
namespace zanbora {

struct Game;

// The hosts in the bean folk's hall (event code 1 in their rows).
void RaceGame(Game& game);    // row 483: two laps against the clock
void HpService(Game& game);   // row 479: more HP for money
void ModeSwitch(Game& game);  // row 474: normal or hard mode
void MirrorDuel(Game& game);  // row 478: a paid duel with a copy of the hero; may leave GameState "BATTLE"

}  // namespace zanbora
