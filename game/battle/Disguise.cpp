#include "game/battle/Disguise.h"

#include "game/battle/FixedOpponents.h"
#include "game/battle/LevelUp.h"
#include "game/core/Game.h"
#include "game/core/Sheets.h"

namespace zanbora {

namespace {

// Opponent frame (0, 100 n) shrunk from 100 x 100 to 32 x 32 and mirrored,
// because opponents face right and the hero faces left.
void PaintShrunkFrame(Surface& ch, int cellX, const Surface& picture, int frame) {
    for (int j = 0; j < 32; ++j) {
        for (int i = 0; i < 32; ++i) {
            const int sx = (31 - i) * 100 / 32;
            const int sy = 100 * frame + j * 100 / 32;
            ch.pixels().at(cellX + i, j) = picture.at(sx, sy);
        }
    }
}

}  // namespace

bool CanBeCopied(const Monster& m) { return m.Id != kDragonRockId && m.Id != kBonusOpponentId; }

void CopyOpponentStrength(Player& hero, const Monster& m) {
    const double p = hero.Progress[5];
    const bool boss = m.Id > 900;
    hero.Hp = 2 * hero.Level + 3 * p + (boss ? Int(m.Hp / 4) : m.Hp);
    hero.MaxHp = 2 * hero.Level + 3 * p + (boss ? Int(m.MaxHp / 4) : m.MaxHp);
    hero.Attack = Int(hero.Level / 2) + p + m.Attack;
    hero.Defence = Int(hero.Level / 3) + p + m.Defence;
    hero.Speed = Int(hero.Level / 2) + p + m.Speed;
}

void RebuildDisguisedHero(Game& game) {
    const ProgressSlot& slot = game.player.Progress[18];
    if (!slot.isText || slot.text.empty()) return;
    if (!LoadIntoMonsC(game, "\\cg\\" + slot.text + ".bmp")) return;
    // The hero strip's five cells: idle frames at 0, 64, 128, the attack and
    // hurt poses between them.
    static constexpr int kFrameOfCell[5] = {0, 0, 1, 2, 2};
    for (int cell = 0; cell < 5; ++cell)
        PaintShrunkFrame(game.sheets.ch, 32 + 32 * cell, game.sheets.mons_c, kFrameOfCell[cell]);
}

}  // namespace zanbora
