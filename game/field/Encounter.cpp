// Random battles: every newly entered ordinary cell counts down; at zero an
// opponent of the area's band of rows is met. The start area south of row
// 440 is safe.
#include "game/battle/Battle.h"
#include "game/battle/MonsterTable.h"
#include "game/core/Game.h"
#include "game/field/Encounter.h"
#include "game/field/Walking.h"
#include "game/view/FieldView.h"

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
    // The opponent's band is taken from the stored position, but the opening
    // still stands on the feet: on the row where a town's area begins, the
    // feet already keep the town's music playing.
    const double footX = game.player.HeroX, footY = game.player.HeroY;
    LeaveFootPoint(game);
    ChooseEncounterMonster(game);
    game.player.HeroX = footX;
    game.player.HeroY = footY;
    field.StepY = 0;
    btl(game);
    LeaveFootPoint(game);
    return true;
}

}  // namespace zanbora
