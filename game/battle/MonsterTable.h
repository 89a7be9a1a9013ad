#pragma once
// The opponents met at random, by zone of ten map rows, and the names the
// knight mascot tells.
#include <array>
#include <optional>

#include "game/core/Monster.h"

namespace zanbora {

struct Game;

// Fills the opponent for a random encounter at the hero's row (HeroY): one
// draw picks one of the zone's two kinds. Zone 32 and the rows beyond 439 have
// none, so the previous opponent comes back at full health.
void ChooseEncounterMonster(Game& game);
// The two kinds met at random in a zone (rows / 10), at full health; none
// for a zone without its own opponents.
std::optional<std::array<Monster, 2>> ZoneOpponents(int zone);
// The opponent's name at (x, 130), while the knight mascot is with the hero;
// nothing for a picture without a name.
void DrawMonsterName(Game& game);

}  // namespace zanbora
