#pragma once
// What the battle procedures and the main loop share during a battle.
#include <string>

namespace zanbora {

struct BattleState {
    std::string BattleMsg;   // scene the scene player shows next
    std::string SceneText;   // words a scene shows (the locked door's answer)
    double BattleAmount = 0; // damage or healing of the current action
    int TurnCount = 0;
    int PartyFlag = 0;       // 1 companions called, 2 ritual performed
    int SkillChanged = 0;    // 1 when the technique screen confirmed a new technique
    int GrowthPicks = 0;     // picks still to be made on the growth wheel
    int MonsterLift = 0;
    int HeroDx = 0, HeroDy = 0;
    int MonsterDx = 0, MonsterDy = 0;
    int MascotDx = 0, MascotDy = 0;

    void resetOffsets() { HeroDx = HeroDy = MonsterDx = MonsterDy = MascotDx = MascotDy = 0; }
};

}  // namespace zanbora
