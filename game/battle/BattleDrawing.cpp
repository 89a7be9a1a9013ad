// The battle screen: hero, opponent, companions and mascot at their homes plus
// the scene offsets, the damage numbers and the opponent's HP gauge.
#include <algorithm>
#include <cmath>
#include <string>

#include "game/battle/Battle.h"
#include "game/battle/BattleParts.h"
#include "game/core/Frame.h"
#include "game/core/Game.h"
#include "game/core/Music.h"

namespace zanbora {

void DrawBattleHero(Game& game) {
    const BattleState& b = game.battle;
    game.Pic.blt(kHeroX + b.HeroDx, kHeroY + b.HeroDy, 32, 32, game.sheets.ch, 32 + 64 * game.clock.AnimPhase, 0,
                 Rop::Or);
}

void DrawBattleOpponent(Game& game) {
    const BattleState& b = game.battle;
    game.Pic.blt(kOpponentX + b.MonsterDx, kOpponentY + b.MonsterDy - b.MonsterLift, 100, 100, game.sheets.mons_c, 0,
                 100 * game.clock.AnimPhase, Rop::Or);
}

void DrawCompanion(Game& game, int k, int dx, int dy) {
    game.Pic.blt(280 + 40 * k + dx, kHeroY + game.battle.HeroDy + dy, 32, 32, game.sheets.ch, 192 + 32 * k, 160,
                 Rop::Or);
}

void DrawBattleMascot(Game& game) {
    const int mascot = Int(game.player.Progress[16]);
    if (mascot <= 0) return;
    const BattleState& b = game.battle;
    game.Pic.blt(kMascotX + b.MascotDx + game.clock.AnimPhase, kMascotY + b.MascotDy, 40, 40, game.sheets.ch,
                 40 * (mascot - 1), 320, Rop::Or);
}

void DrawBattleScene(Game& game) {
    DrawBattleHero(game);
    DrawBattleOpponent(game);
    if (game.battle.PartyFlag == 1) {
        // The companions' frames are drawn without a frame wait of their own.
        game.clock.LastTick = game.now();
        for (int k = 0; k < 3; ++k) DrawCompanion(game, k, 0, 0);
    }
    DrawBattleMascot(game);
}

void DrawDamage(Game& game, double amount, int x, int y) {
    if (amount == 0) {
        game.Pic.blt(x - 20, y, 64, 32, game.sheets.chr_m, 0, 16, Rop::Or);
        return;
    }
    DrawText(game, std::to_string(Int(amount)), x, y);
}

void DrawMonsterGauge(Game& game) {
    const Monster& m = game.monster;
    if (m.MaxHp <= 0 || m.Hp <= 0) return;
    // An opponent that healed itself past its maximum has a longer bar, but
    // never one longer than the screen.
    const int64_t length = std::min<int64_t>(Int(50 * m.Hp / m.MaxHp), 512);
    if (length <= 0) return;
    game.Pic.fillRect(90, 246, 90 + int(length), 250, QBColor(14));
}

void PaintEffect(Game& game, int row, int frame, int x, int y) {
    game.Pic.blt(x, y, 32, 32, game.sheets.effect, 32 * frame, row, Rop::Or);
}

void PlayBattleWave(Game& game, const std::string& name) { PlaySe(game, "\\wave\\" + name); }

bool InQuietBattleArea(const Game& game) {
    const double x = game.player.HeroX, y = game.player.HeroY;
    return (y > 380 && y < 460) || (x < 43 && y > 380);
}

}  // namespace zanbora
