// Random battles: every newly entered ordinary cell counts down; at zero an
// opponent of the area's band of rows is met. The start area south of row
// 440 is safe.
#include "game/battle/Battle.h"
#include "game/battle/MonsterTable.h"
#include "game/field/Field.h"
#include "game/field/FieldSteps.h"
#include "game/shell/Game.h"

namespace zanbora {

constexpr int kSafeBelowRow = 440;

bool CountDownEncounter(Game& game) {
    FieldState& field = game.field;
    field.EncounterSteps -= 1;
    if (Int(game.player.HeroY) > kSafeBelowRow) field.EncounterSteps = 10;
    if (field.EncounterSteps > 0) return false;

    field.EncounterSteps = Int(game.Rnd() * 27) + 5;
    game.Pic.clear();
    DrawField(game);
    ComposeFieldWithHero(game, game.player.HeroX, game.player.HeroY);
    game.GameState = "BATTLE";
    // The opponent's band is taken from the stored position, not the feet.
    LeaveFootPoint(game);
    ChooseEncounterMonster(game);
    field.StepY = 0;
    btl(game);
    return true;
}

}  // namespace zanbora
