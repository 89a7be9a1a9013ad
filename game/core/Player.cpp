#include "game/core/Player.h"

namespace zanbora {

void SetNewHeroDefaults(Player& player) {
    player.Level = 1;
    player.MaxHp = player.Hp = 50;
    player.Mp = player.MaxMp = 10;
    player.Attack = 10;
    player.Defence = 5;
    player.Speed = 5;
    player.Exp = player.Wins = player.SaveCount = 0;
    player.Days = 1;
    player.Money = 100000;
    player.Skill = 0;
    player.Bone = 0;
    player.Progress[0] = 1;
    for (int i = 1; i <= 6; ++i) player.Progress[i] = 0;
    player.HeroX = 53.5;
    player.HeroY = 480.5;
    player.Progress[19] = 53.5;
    player.Progress[20] = 480.5;
}

}  // namespace zanbora
