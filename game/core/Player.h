#pragma once
// The one hero: statistics, money, position, growth, job, progress slots and
// the mascots owned. Numbers are doubles because growth makes them fractional.
#include <array>
#include <cstdint>
#include <string>

namespace zanbora {

// A progress slot holds a number or a text (slot 18 keeps a picture name).
struct ProgressSlot {
    double number = 0;
    std::string text;
    bool isText = false;

    ProgressSlot& operator=(double value) {
        number = value;
        text.clear();
        isText = false;
        return *this;
    }
    ProgressSlot& operator=(const std::string& value) {
        text = value;
        number = 0;
        isText = true;
        return *this;
    }
    operator double() const { return number; }
};

struct Player {
    std::string Name;
    double Level = 1;
    double MaxHp = 50;
    double Hp = 50;
    double Attack = 10;
    double Defence = 5;
    double Speed = 5;
    double Exp = 0;
    double Wins = 0;
    double SaveCount = 0;
    double Spare = 0;
    double Mp = 10;
    double MaxMp = 10;
    double Days = 1;
    double Money = 100000;
    double Skill = 0;
    double HeroX = 53.5;
    double HeroY = 480.5;
    double Bone = 0;
    double GrowHp = 0;
    double GrowMp = 0;
    double GrowAttack = 0;
    double GrowDefence = 0;
    double GrowSpeed = 0;
    double BoneRate = 0;
    std::string Job;
    std::array<ProgressSlot, 21> Progress{};
    std::array<int, 51> MascotOwned{};
    std::string JobSkillName;
    // Multiplier of technique costs; 0 until the job tables set it when the
    // trainer gives the hero a job.
    double SkillFactor = 0;
    // Clock at which play time was last folded into Progress[12].
    int64_t PlayClock = 0;
    // Scratch value of the job questionnaire and the save preview.
    double Work = 0;
};

// The values a hero has before any save is loaded.
void SetNewHeroDefaults(Player& player);

}  // namespace zanbora
