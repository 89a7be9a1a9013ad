#pragma once
// The battle: its opening, the two sides' actions, the end check, the scenes.
namespace zanbora {

struct Game;

void btl(Game& game);
void OpenBattleMenu(Game& game);
void CloseBattleMenu(Game& game);
void HeroAction(Game& game);
void EnemyAction(Game& game);
void ApplyEnemyHit(Game& game);
void CheckBattleEnd(Game& game);
void MascotAction(Game& game);
void PartyTurn(Game& game);
void ShowGameOver(Game& game);
void PlayBattleScene(Game& game);
void DrawBattleScene(Game& game);
void DrawDamage(Game& game, double amount, int x, int y);
// The opponent's HP gauge on the command menu.
void DrawMonsterGauge(Game& game);

}  // namespace zanbora
