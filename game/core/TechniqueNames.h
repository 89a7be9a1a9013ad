#pragma once
// The hero's special techniques as the panels and the technique screen show
// them: a name and a number (the MP cost for techniques 1 to 6).
#include <string>

namespace zanbora {

struct Player;

constexpr int kTechniqueCount = 8;  // 0 "無し" .. 7 "エネルギー玉"

// The name of technique `skill`; technique 5 is the job's own. Empty for a
// value outside 0..7.
std::string TechniqueName(const Player& hero, int skill);
// The MP technique 1..6 needs before it can be used, as the panels show it;
// 0 for the others.
double TechniqueMpNeeded(const Player& hero, int skill);
// The number shown beside the name; empty for "無し" and unknown values.
std::string TechniqueNumberText(const Player& hero, int skill);

}  // namespace zanbora
