#pragma once
// Levels from experience and the growth wheel on which the hero spends picks.
namespace zanbora {

struct Game;

// The bonus opponent, the mirror duel's copy of the hero: beating it always
// plays the fanfare and spins the wheel once, and the disguise cannot copy it.
constexpr int kBonusOpponentId = 15;

// Experience a hero of this level must exceed to reach the next one (L^3 + 5).
double LevelThreshold(double level);
// After a won battle's rewards: every level-up the current Exp allows (each
// with its fanfare sound and six picks on the wheel), then the extra pick the
// bonus opponent 15 gives even without a level.
void RunLevelUps(Game& game);
// The pick screen; returns when battle.GrowthPicks is 0.
void GrowthWheel(Game& game);
// The wheel's background: status panel, the red frame at the top, the title
// and the picks left.
void DrawLevelUp(Game& game);
// Spends one pick on the stat at the top of the wheel (Cursor) and refills HP
// and MP.
void ApplyGrowthPick(Game& game);

}  // namespace zanbora
