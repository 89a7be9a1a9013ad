#pragma once
// The passwords a player can compare with friends: the crystal ball's
// three-word password read from the hero's power, and the 11-character
// password of the clear record. Both come from the game's generator put back
// to its starting state and seeded with a value of the hero alone, so the
// same hero always gets the same password.
#include <array>
#include <cstdint>
#include <string>

namespace zanbora {

struct Game;
struct Player;

extern const std::array<const char*, 16> FirstWord;
extern const std::array<const char*, 16> SecondWord;
extern const std::array<const char*, 16> ThirdWord;

// Int((MaxHp x MaxMp x Attack x Defence + Speed) / 10000).
int64_t PowerOf(const Player& player);
// word + "が" + word + word, chosen by the power alone. The generator is
// reseeded from the clock afterwards, so later chance does not follow from it.
std::string MakePassword(Game& game, int64_t power);
// Eleven characters with codes 30..79, chosen by the seed alone; the
// generator is reseeded from the clock afterwards.
std::string MakeClearPassword(Game& game, uint64_t seed);

}  // namespace zanbora
