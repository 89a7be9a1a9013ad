#pragma once
namespace zanbora {

struct Game;

// The random-encounter countdown of a newly entered ordinary cell. True
// when it started a battle (and left the field frame).
bool CountDownEncounter(Game& game);

}  // namespace zanbora
