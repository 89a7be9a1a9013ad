#pragma once
namespace zanbora {

struct Game;

// The crystal ball in the hall reads the hero's power (event code 25).
void PowerReading(Game& game);

}  // namespace zanbora
