#pragma once
namespace zanbora {

struct Game;

// A person of the map talks (event code 1); what is said depends on the row.
void mes(Game& game);
// The last boss speaks before the last battle (event 21 in row 478).
void LastBossSpeech(Game& game);

}  // namespace zanbora
