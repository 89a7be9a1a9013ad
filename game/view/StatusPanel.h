#pragma once
// The three displays of the hero's record.
namespace zanbora {

struct Game;

// Name, level, HP, MP, attack, defence, speed, experience with its gauge,
// money, job and technique, in the box on the right of the screen.
void DrawStatusPanel(Game& game);
// Days, wins, saves, play time and the hard mode, bottom left.
void DrawRecordPanel(Game& game);
// The hero's bar under the battle scene, with the HP and MP gauges.
void DrawBattleBar(Game& game);

}  // namespace zanbora
