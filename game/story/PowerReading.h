#pragma once
#include <cstdint>
#include <string>

namespace zanbora {

struct Game;

// The fortune-teller in the hall (event code 25) reads the hero's fighting
// power and tells the password that goes with it.
void PowerReading(Game& game);
// The line that tells the power: the number shown is 5 more than the power.
std::string PowerShownLine(int64_t power);

}  // namespace zanbora
