#pragma once
namespace zanbora {

struct Game;

// A person of the map talks (event code 1); what is said, and what it
// changes, depends on the row the hero stands in. Runs while the hero's
// position holds his foot point.
void mes(Game& game);
// What the person of the hero's row says, with its consequences.
void TalkEvents(Game& game);
// The last boss speaks before the last battle (event 21 in row 478).
void LastBossSpeech(Game& game);

}  // namespace zanbora
