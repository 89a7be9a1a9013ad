#include "game/field/Field.h"

#include "game/shell/Frame.h"
#include "game/shell/Game.h"

namespace zanbora {

// Stand-in until the field is built: walks on open ground and shows where
// the hero stands.
void MOVEN(Game& game) {
    FieldState& field = game.field;
    const bool* held = game.keys.KeyState;
    field.StepX = (held[2] ? 0.125 : 0) - (held[0] ? 0.125 : 0);
    field.StepY = (held[3] ? 0.125 : 0) - (held[1] ? 0.125 : 0);
    double x = game.player.HeroX + field.StepX, y = game.player.HeroY + field.StepY;
    int terrain = game.map.terrainAt(Int(x + 0.5), Int(y + 0.9));
    if (terrain == 2 || terrain == 6 || terrain == 8 || terrain == 9 || terrain == 10 || terrain >= 12) {
        game.player.HeroX = x;
        game.player.HeroY = y;
    }
    field.StepY = 0;
    DrawText(game, std::to_string(Int(game.player.HeroX)) + ", " + std::to_string(Int(game.player.HeroY)), 200, 160);
}

}  // namespace zanbora
