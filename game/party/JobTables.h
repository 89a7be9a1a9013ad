#pragma once
// The eight jobs a hero can graduate into: growth per level, the SimBone
// rate, the job's own technique (technique 5) with its power factor and its
// training-hall lines, the job's description and the battle figure strip.
#include <array>
#include <string>

namespace zanbora {

struct Game;
struct Player;

struct JobEntry {
    const char* name;
    double growHp, growMp, growAttack, growDefence, growSpeed;
    double boneRate;
    // Technique 5; empty for the one job that has none of its own.
    const char* skillName;
    double skillFactor;
    const char* hallTitle;
    const char* hallText;
    // Technique 5 cannot be trained past level 1.
    bool skill5StopsAtOne;
    // Corner of the figure strip in chr_m.
    int stripX, stripY;
    std::array<const char*, 3> description;
};

constexpr int kJobCount = 8;
// By job code 0..7 (the questionnaire's answers, read as bits).
const JobEntry& JobByCode(int code);
// The entry of a job name; nullptr for a hero who has not graduated.
const JobEntry* FindJob(const std::string& job);

// The hero's job has no technique 5 and no training hall ("戦闘民族").
bool IsWarriorRace(const Player& player);
// Technique 5 is at its last level for this hero.
bool Technique5AtMax(const Player& player);

// Growth, technique 5's name and power factor from the hero's job (after a
// load and at graduation). A "ネクロマンサー" keeps his stored speed growth;
// a "戦闘民族" keeps technique name and factor as they are.
void ApplyJobTables(Game& game);
// The job's figure strip into the hero's battle sheet ch.
void ApplyJobSprite(Game& game);

}  // namespace zanbora
