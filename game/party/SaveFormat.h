#pragma once
// The save file's bytes: a hero and the changeable part of the map as CP932
// text with CR LF. Numbers are written with a blank before a non-negative
// value and one after every value (" 5 ", "-5 ", " .3 "), with as many
// digits as it takes to read back the very same double. Line by line:
//   1..25   Level, MaxHp, Hp, Attack, Defence, Speed, Exp, Wins, SaveCount,
//           Spare, Mp, MaxMp, Days, Money, Skill, HeroX, HeroY, Bone,
//           GrowHp, GrowMp, GrowAttack, GrowDefence, GrowSpeed, BoneRate, Job
//   26      check value (SaveCheckValue)
//   27..47  Progress[0..20], numbers or texts
//   48      the map block: the pair 99 0, then (value, count) runs over
//           columns 10..90 (outer) and rows 10..590 (inner), then, on the same
//           line, MascotOwned[0]
//   then    MascotOwned[1..50], one per line, and their sum
// Writing and reading work on bytes only, so they can be tried on anything.
#include <string>
#include <string_view>

#include "game/core/MapLayers.h"
#include "game/core/Player.h"

namespace zanbora {

constexpr int kSaveMapLeft = 10, kSaveMapRight = 90;
constexpr int kSaveMapTop = 10, kSaveMapBottom = 590;
constexpr int kSaveMapCells = (kSaveMapRight - kSaveMapLeft + 1) * (kSaveMapBottom - kSaveMapTop + 1);

// One number as the save writes it: " 5 ", "-5 ", " .3 ", "-.25 ".
std::string SaveNumberText(double value);

// Floor of the weighted sum of the hero's main numbers, added left to right.
double SaveCheckValue(const Player& hero);

// The whole file. False (with a short Japanese reason) when a text of the hero
// has no CP932 form or a line end, or a number is not finite: such a record
// could not be read back.
bool SaveFileBytes(const Player& hero, const MapLayers& map, std::string& bytes, std::string& problem);

// Reads a whole file. On success the saved fields of `hero` and the map
// region are replaced and true is returned; on any fault (ends early, a number
// that cannot be read, a wrong check value or mascot sum) `hero` and `map`
// stay as they were and `problem` says what is wrong, in Japanese.
bool ParseSave(std::string_view bytes, Player& hero, MapLayers& map, std::string& problem);

}  // namespace zanbora
