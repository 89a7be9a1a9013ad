#include "game/battle/LevelUp.h"

#include "game/shell/Game.h"

namespace zanbora {

double LevelThreshold(double level) { return level * level * level + 5; }

// Stand-ins until the growth wheel is built: picks go to max HP.
void RunLevelUps(Game& game) {
    Player& hero = game.player;
    while (hero.Exp > LevelThreshold(hero.Level)) {
        hero.Level += 1;
        game.battle.GrowthPicks = 6;
        GrowthWheel(game);
    }
    if (game.monster.Id == 15) {
        game.battle.GrowthPicks = 1;
        GrowthWheel(game);
    }
}
void GrowthWheel(Game& game) {
    game.field.Cursor = 0;
    while (game.battle.GrowthPicks > 0) ApplyGrowthPick(game);
}
void DrawLevelUp(Game&) {}
void ApplyGrowthPick(Game& game) {
    game.battle.GrowthPicks -= 1;
    game.player.MaxHp += game.player.GrowHp;
    game.player.Hp = game.player.MaxHp;
    game.player.Mp = game.player.MaxMp;
}

}  // namespace zanbora
