// The scene player: animates the action named by BattleMsg with its sounds
// and leaves every sprite at home afterwards.
#include <algorithm>
#include <cstdlib>

#include "game/battle/Battle.h"
#include "game/battle/BattleParts.h"
#include "game/battle/SceneKit.h"
#include "game/core/Frame.h"
#include "game/core/Game.h"

namespace zanbora {

void SceneFrame(Game& game) {
    game.Pic.clear();
    DrawBattleScene(game);
}

void ShowFor(Game& game, int ms) {
    Present(game);
    Wait(game, ms);
}

void DrawAmount(Game& game, double amount, int x, int y, uint32_t colour) {
    const uint32_t saved = game.Pic.foreColour;
    game.Pic.foreColour = colour;
    DrawDamage(game, amount, x, y);
    game.Pic.foreColour = saved;
}

void PaintSparkles(Game& game, int x, int y, int frame) {
    PaintEffect(game, kSparkleRow, frame, x, y - 2 * frame);
    PaintEffect(game, kSparkleRow, (frame + 3) % 8, x - 14, y + 10 - frame);
    PaintEffect(game, kSparkleRow, (frame + 5) % 8, x + 14, y + 6 - frame);
}

void PaintLaser(Game& game, int x1, int x2, int y, int reach, int frame) {
    const int step = x2 >= x1 ? 32 : -32;
    const int length = std::min(reach, std::abs(x2 - x1));
    for (int done = 0; done < length; done += 32) {
        const int x = step > 0 ? x1 + done : x1 - done - 32;
        PaintEffect(game, kLaserRow, (frame + done / 32) % 8, x, y);
    }
}

void PlayBattleScene(Game& game) {
    const std::string id = game.battle.BattleMsg;
    if (!PlayHeroScene(game, id) && !PlayOpponentScene(game, id)) PlaySupportScene(game, id);
    game.battle.resetOffsets();
}

}  // namespace zanbora
