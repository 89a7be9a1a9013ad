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

std::string TechniqueNumberText(const Player& hero, int skill) {
    const auto& level = hero.Progress;
    switch (skill) {
    case 1: return NumberText(Int(hero.SkillFactor * 3 * level[1]));
    case 2: return NumberText(Int(hero.SkillFactor * 4 * level[2]));
    case 3: return NumberText(Int(hero.SkillFactor * 5 * level[3]));
    case 4: return NumberText(Int(hero.MaxMp / 2));
    case 5: return NumberText(level[5] * 5 + 2);
    case 6: return NumberText(Int(hero.SkillFactor * 7 * level[6] + 3));
    case 7: return NumberText(Int(hero.Level / 7) + 2 * level[7]);
    default: return "";
    }
}

}  // namespace zanbora
