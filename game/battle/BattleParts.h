#pragma once
// The pieces the battle screen and its scenes are built from. DrawBattleScene
// puts them all together; a scene may draw them one by one to show only some.
#include <cstdint>
#include <string>

#include "game/core/Surface.h"

namespace zanbora {

struct Game;

// Where the sprites stand when every offset is 0.
constexpr int kHeroX = 400, kHeroY = 300;
constexpr int kOpponentX = 60, kOpponentY = 235;
constexpr int kMascotX = 440, kMascotY = 295;
// Where an effect centred on the opponent goes (top-left of a 32 cell).
constexpr int kOnOpponentX = kOpponentX + 34, kOnOpponentY = kOpponentY + 34;
// The gauge of the key games (the storm's presses, the bomb's fuse): a
// yellow frame that fills from its left edge, one pixel per point.
constexpr int kGaugeLeft = 370, kGaugeTop = 280, kGaugeRight = 470, kGaugeBottom = 290;
constexpr uint32_t kGaugeColour = Rgb(255, 255, 100);

void DrawBattleHero(Game& game);
void DrawBattleOpponent(Game& game);
// Companion k (0 swordsman, 1 mage, 2 priest) of the party attack, moved by
// (dx, dy) from its place beside the hero.
void DrawCompanion(Game& game, int k, int dx, int dy);
void DrawBattleMascot(Game& game);

// Frame `frame` (32 x 32) of the effect row `row` of the effect sheet, OR-ed
// at (x, y).
void PaintEffect(Game& game, int row, int frame, int x, int y);
// Rows of the effect sheet.
enum EffectRow : int {
    kFireRow = 0,
    kSparkleRow = 32,
    kExplosionRow = 64,
    kFlashRow = 96,
    kEnergyRow = 128,
    kImpactRow = 160,
    kLaserRow = 192,
    kSlashRow = 224,
};

// A battle wave effect by its file name in wave/ ("ATK01.WAV").
void PlayBattleWave(Game& game, const std::string& name);

// The areas where the field music is never interrupted by a battle.
bool InQuietBattleArea(const Game& game);

}  // namespace zanbora
