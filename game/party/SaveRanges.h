#pragma once
// What a save may hold. A file can pass its check value and still carry a
// number no play could make (the check value leaves the position, the job
// and the progress slots out): a mascot slot of 100, a hero far outside the
// map, a play time below zero. Such a save is damaged, like one whose check
// value is wrong.
#include <string>

#include "game/core/Player.h"

namespace zanbora {

// Beyond any play (money, experience and play time stay far below) and
// below 2^53, where whole numbers stop being exact.
constexpr double kSaveNumberLimit = 1e15;

// True when every value of the hero is in its range. Otherwise false, and
// `problem` names the first line of the file that is not (in Japanese).
bool SaveValuesInRange(const Player& hero, std::string& problem);

}  // namespace zanbora
