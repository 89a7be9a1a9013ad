#pragma once
namespace zanbora {

struct Game;

// The fortune-teller in the hall (event code 25) reads the hero's fighting
// power and tells the password that goes with it.
void PowerReading(Game& game);

}  // namespace zanbora
