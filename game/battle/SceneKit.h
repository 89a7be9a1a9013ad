#pragma once
// What the battle scenes share: one frame of the battle picture, the
// numbers they show, and the three groups of scenes the scene player knows.
// Scenes never draw random numbers, so a battle's outcome depends only on
// its rules.
#include <string>

#include "game/core/Surface.h"

namespace zanbora {

struct Game;

// Clears Pic and draws the whole battle picture.
void SceneFrame(Game& game);
// Present, then Wait(ms).
void ShowFor(Game& game, int ms);
// DrawDamage in a colour (heals are green, MP blue).
void DrawAmount(Game& game, double amount, int x, int y, uint32_t colour);
constexpr uint32_t kHpHealColour = Rgb(120, 255, 120);
constexpr uint32_t kMpHealColour = Rgb(120, 180, 255);
// Sparkles rising over a 32-pixel-wide spot, frame 0..7.
void PaintSparkles(Game& game, int x, int y, int frame);
// A row of laser segments from x1 to x2 (either direction) at height y,
// grown to `reach` pixels.
void PaintLaser(Game& game, int x1, int x2, int y, int reach, int frame);

// Sparkles over the hero with the healed amount in a colour; outside a
// battle only the hero is drawn.
void HealScene(Game& game, uint32_t colour, bool inBattle = true);

// Each returns false when it does not know the scene id.
bool PlayHeroScene(Game& game, const std::string& id);
bool PlayOpponentScene(Game& game, const std::string& id);
bool PlaySupportScene(Game& game, const std::string& id);

}  // namespace zanbora
