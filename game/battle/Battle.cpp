#include "game/battle/Battle.h"

#include "game/shell/Frame.h"
#include "game/shell/Game.h"
#include "game/shell/Sheets.h"

namespace zanbora {

// Stand-ins until the battle is built: one blow from each side decides it.
void btl(Game& game) {
    game.battle.PartyFlag = 0;
    game.battle.TurnCount = 0;
    LoadIntoMonsC(game, "\\cg\\" + game.monster.Picture + ".bmp");
}
void OpenBattleMenu(Game&) {}
void CloseBattleMenu(Game&) {}
void HeroAction(Game& game) {
    if (game.field.Cursor == 3 && game.monster.Id < 900) game.GameState = "MOVE";
    if (game.field.Cursor == 0) game.monster.Hp -= game.player.Attack;
}
void EnemyAction(Game&) {}
void ApplyEnemyHit(Game&) {}
void CheckBattleEnd(Game& game) {
    if (game.player.Hp <= 0) {
        game.GameState = "load";
    } else if (game.monster.Hp <= 0) {
        game.GameState = "MOVE";
    }
}
void MascotAction(Game&) {}
void PartyTurn(Game&) {}
void ShowGameOver(Game&) {}
void PlayBattleScene(Game&) {}
void DrawBattleScene(Game& game) { game.Pic.blt(60, 235, 100, 100, game.sheets.mons_c, 0, 0, Rop::Or); }
void DrawDamage(Game&, double, int, int) {}
void DrawMonsterGauge(Game&) {}

}  // namespace zanbora
