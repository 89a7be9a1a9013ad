#pragma once
// The one current opponent, filled just before a battle.
#include <array>
#include <string>

namespace zanbora {

struct Monster {
    int Id = 2;
    std::string Picture;
    double Hp = 0;
    double MaxHp = 0;
    double Attack = 0;
    double Defence = 0;
    double Speed = 0;
    double Exp = 0;
    double Money = 0;
    int Special = 0;
    std::array<double, 11> Resist{1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1};
};

}  // namespace zanbora
