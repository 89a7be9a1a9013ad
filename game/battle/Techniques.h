#pragma once
namespace zanbora {

struct Game;

// The feast after a victory won with the ritual.
void RitualFeast(Game& game);

}  // namespace zanbora
