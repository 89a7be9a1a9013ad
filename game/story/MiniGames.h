#pragma once
#include <string>
#include <vector>

namespace zanbora {

struct Choice;
struct Game;

// The hosts in the bean folk's hall (event code 1 in their rows).
void RaceGame(Game& game);    // row 483: two laps against the clock
void HpService(Game& game);   // row 479: more HP for money
void ModeSwitch(Game& game);  // row 474: normal or hard mode
void MirrorDuel(Game& game);  // row 478: a paid duel with a copy of the hero; may leave GameState "BATTLE"

// A host's offer: the field and the hero, the host's three lines typed,
// then the two choices. 0 for the first choice, 1 for the second.
int HostPrompt(Game& game, const std::vector<std::string>& lines, const Choice& choice);

}  // namespace zanbora
