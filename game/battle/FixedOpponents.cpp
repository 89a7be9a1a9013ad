#include "game/battle/FixedOpponents.h"

#include "game/core/Game.h"

namespace zanbora {

namespace {

constexpr int kDragonRockRow = 420;  // event 16 on this row is the rock dragon itself

struct FixedOpponent {
    const char* picture;
    int id;
    double maxHp, hp;  // hp 0: starts at full health
    double attack, defence, speed, exp, money;
    int special;
    double resistFire, resistEnergy;
};

constexpr FixedOpponent kRobo{"mons08", 999, 170, 0, 50, 30, 30, 20, 100, 0, 0.5, 1};
constexpr FixedOpponent kRobo2{"mons09", 998, 340, 0, 59, 42, 40, 50, 139, 6, 0.5, 1};
constexpr FixedOpponent kHebichu{"mons12", 997, 800, 0, 50, 30, 50, 10, 100, 4, 0.4, 1};
constexpr FixedOpponent kFalseMame{"mons13", 996, 600, 0, 120, 10, 40, 100, 30, 3, 0.5, 1};
constexpr FixedOpponent kMaskedBrother{"mons04", 995, 550, 0, 90, 25, 55, 100, 30, 1, 0.6, 1};
// The rock's huge maximum lets the ROBO mascot's laser break it in one shot,
// while ordinary blows barely scratch its 500000 HP.
constexpr FixedOpponent kDragonRock{"mons19", kDragonRockId, 550000000, 500000, 0, 0, 0, 0, 0, 1, 10, 10};
constexpr FixedOpponent kRockDragon{"mons25", 993, 1800, 0, 150, 25, 180, 0, 0, 0, 0.5, 0.5};
constexpr FixedOpponent kZanbora{"mons28", 990, 4000, 0, 200, 30, 100, 0, 0, 0, 0.6, 0.6};
constexpr FixedOpponent kPriest{"mons27", 992, 1500, 0, 170, 40, 150, 1000, 150, 3, 0.5, 0.5};

const FixedOpponent* FindFixedOpponent(int code, int row) {
    switch (code) {
    case 2: return &kRobo;
    case 5: return &kRobo2;
    case 6: return &kHebichu;
    case 8: return &kFalseMame;
    case 9: return &kMaskedBrother;
    case 16: return row == kDragonRockRow ? &kRockDragon : &kDragonRock;
    case 21: return row == kLastBossRow ? &kZanbora : nullptr;
    case 23: return &kPriest;
    default: return nullptr;
    }
}

}  // namespace

bool IsFixedOpponentEvent(int code, int row) { return FindFixedOpponent(code, row) != nullptr; }

bool SetFixedOpponent(Game& game, int code, int row) { return FillFixedOpponent(game.monster, code, row); }

bool FillFixedOpponent(Monster& m, int code, int row) {
    const FixedOpponent* boss = FindFixedOpponent(code, row);
    if (!boss) return false;
    m.Picture = boss->picture;
    m.Id = boss->id;
    m.MaxHp = boss->maxHp;
    m.Hp = boss->hp > 0 ? boss->hp : boss->maxHp;
    m.Attack = boss->attack;
    m.Defence = boss->defence;
    m.Speed = boss->speed;
    m.Exp = boss->exp;
    m.Money = boss->money;
    m.Special = boss->special;
    if (boss == &kDragonRock) {
        m.Resist.fill(10);
    } else {
        m.Resist.fill(1);
        m.Resist[1] = boss->resistFire;
        m.Resist[7] = boss->resistEnergy;
    }
    return true;
}

}  // namespace zanbora
