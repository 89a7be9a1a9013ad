#include "game/battle/MonsterTable.h"

#include "game/shell/Game.h"

namespace zanbora {

// Stand-ins until the opponent tables are built.
void ChooseEncounterMonster(Game& game) {
    game.monster = Monster{};
    game.monster.Id = 2;
    game.monster.Picture = "mons01";
    game.monster.Hp = game.monster.MaxHp = 10;
}
void DrawMonsterName(Game&) {}

}  // namespace zanbora
