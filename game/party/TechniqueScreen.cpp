#include "game/party/TechniqueScreen.h"

#include "game/battle/Battle.h"
#include "game/core/Frame.h"
#include "game/core/Game.h"
#include "game/core/Music.h"
#include "game/core/TechniqueNames.h"
#include "game/party/HeroFigure.h"
#include "game/view/StatusPanel.h"

namespace zanbora {

namespace {

// Rows 0..6 are listed; the energy technique (7) belongs to the fighting race
// alone, whose hero starts on it and can only keep it.
constexpr int kLastTechniqueRow = 6;

bool Learned(const Player& hero, int technique) { return hero.Progress[technique] >= 1; }

void DrawTechniqueList(Game& game) {
    const Player& hero = game.player;
    game.Pic.fillRect(20, 20, 260, 180, QBColor(0));
    game.Pic.rect(20, 20, 260, 180, QBColor(15));
    for (int t = 0; t <= kLastTechniqueRow; ++t) {
        if (!Learned(hero, t)) continue;
        const int y = 30 + 20 * t;
        DrawText(game, TechniqueName(hero, t), 50, y);
        const std::string number = TechniqueNumberText(hero, t);
        if (!number.empty()) DrawText(game, number, 220, y);
    }
}

}  // namespace

void WzS(Game& game) {
    KeyFlags& keys = game.keys;
    double& cursor = game.field.Cursor;
    game.battle.SkillChanged = 0;
    for (;;) {
        game.Pic.clear();
        DrawStatusPanel(game);
        if (game.GameState == "BATTLE") {
            DrawBattleScene(game);
        } else {
            DrawHeroFigure(game);
        }
        DrawTechniqueList(game);
        if (keys.KeyState[3] && cursor < kLastTechniqueRow) cursor += 1;
        if (keys.KeyState[1] && cursor > 0) cursor -= 1;
        if (keys.KeyAct) {
            PlayMen04(game);
            game.battle.SkillChanged = 0;
            cursor = 0;
            keys.KeyAct = false;
            return;
        }
        if (keys.KeyDecide) {
            PlayMen03(game);
            keys.KeyDecide = false;
            const int row = Int(cursor);
            if (row >= 0 && row < kTechniqueCount && Learned(game.player, row)) {
                game.player.Skill = row;
                cursor = 0;
                game.battle.SkillChanged = 1;
                return;
            }
        }
        game.Pic.blt(30, Int(20 * cursor + 30), 16, 16, game.sheets.chr_m, 0, 0, Rop::Or);
        Present(game);
        Wait(game, 100);
    }
}

}  // namespace zanbora
