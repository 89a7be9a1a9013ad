#include "game/core/TechniqueNames.h"

#include "game/core/Game.h"
#include "game/core/NumberText.h"
#include "game/core/Player.h"

namespace zanbora {

std::string TechniqueName(const Player& hero, int skill) {
    switch (skill) {
    case 0: return "無し";
    case 1: return "マメサンヒール";
    case 2: return "マメサンファイア";
    case 3: return "ストームマメンガー";
    case 4: return "マメサン斬り";
    case 5: return hero.JobSkillName;
    case 6: return "ゆけゆけボーン";
    case 7: return "エネルギー玉";
    default: return "";
    }
}

double TechniqueMpNeeded(const Player& hero, int skill) {
    const auto& level = hero.Progress;
    switch (skill) {
    case 1: return Int(hero.SkillFactor * 3 * level[1]);
    case 2: return Int(hero.SkillFactor * 4 * level[2]);
    case 3: return Int(hero.SkillFactor * 5 * level[3]);
    case 4: return Int(hero.MaxMp / 2);
    case 5: return level[5] * 5 + 2;
    case 6: return Int(hero.SkillFactor * 7 * level[6] + 3);
    default: return 0;
    }
}

std::string TechniqueNumberText(const Player& hero, int skill) {
    if (skill >= 1 && skill <= 6) return NumberText(TechniqueMpNeeded(hero, skill));
    if (skill == 7) return NumberText(Int(hero.Level / 7) + 2 * hero.Progress[7]);
    return "";
}

}  // namespace zanbora
