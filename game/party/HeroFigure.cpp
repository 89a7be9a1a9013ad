#include "game/party/HeroFigure.h"

#include "game/core/Game.h"

namespace zanbora {

void DrawHeroFigure(Game& game) {
    game.Pic.blt(400 + game.battle.HeroDx, 300 + game.battle.HeroDy, 32, 32, game.sheets.ch,
                 32 + 64 * game.clock.AnimPhase, 0, Rop::Or);
}

}  // namespace zanbora
