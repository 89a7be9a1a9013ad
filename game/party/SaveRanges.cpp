#include "game/party/SaveRanges.h"

#include <cmath>
#include <iterator>

#include "game/core/MapLayers.h"
#include "game/core/TechniqueNames.h"
#include "game/party/MascotScreen.h"

namespace zanbora {

namespace {

constexpr int kFirstProgressLine = 27;
constexpr int kFirstMascotLine = 48;

bool Whole(double value, double low, double high) {
    return value == std::floor(value) && value >= low && value <= high;
}

bool Within(double value, double low, double high) { return value >= low && value <= high; }

// A position in cells whose foot point (x + 0.5, y + 0.9) is on the map.
bool OnMapX(double x) { return Within(std::floor(x + 0.5), 0, kTerrainColumns - 1); }
bool OnMapY(double y) { return Within(std::floor(y + 0.9), 0, kTerrainRows - 1); }

// The progress slots: what each holds. Slots the game never uses may hold
// anything, the disguise's picture name may be a text.
enum class SlotKind { Free, Level, Flag, Time, Mascot, Count, Picture, PositionX, PositionY };

SlotKind KindOf(size_t slot) {
    if (slot <= 7) return SlotKind::Level;  // technique levels; 7 is the warrior race's mark
    switch (slot) {
        case 11: return SlotKind::Flag;      // difficulty
        case 12: return SlotKind::Time;      // play time
        case 15: return SlotKind::Time;      // best race time, 0 for none
        case 16: return SlotKind::Mascot;    // the mascot along, 0 for none
        case 17: return SlotKind::Count;     // seal keepers met
        case 18: return SlotKind::Picture;   // the disguise
        case 19: return SlotKind::PositionX; // where the teleport returns to
        case 20: return SlotKind::PositionY;
        default: return SlotKind::Free;
    }
}

bool SlotInRange(const ProgressSlot& slot, SlotKind kind) {
    const double value = slot.number;
    if (slot.isText) return kind == SlotKind::Free || kind == SlotKind::Picture;
    switch (kind) {
        case SlotKind::Free:
        case SlotKind::Picture: return true;
        case SlotKind::Level:
        case SlotKind::Count: return Whole(value, 0, kSaveNumberLimit);
        case SlotKind::Flag: return Whole(value, 0, 1);
        case SlotKind::Time: return Within(value, 0, kSaveNumberLimit);
        case SlotKind::Mascot: return Whole(value, 0, kMascotSlots);
        case SlotKind::PositionX: return OnMapX(value);
        case SlotKind::PositionY: return OnMapY(value);
    }
    return false;
}

bool Fail(int line, std::string& problem) {
    problem = std::to_string(line) + "行目の数値が範囲外です";
    return false;
}

}  // namespace

bool SaveValuesInRange(const Player& h, std::string& problem) {
    const double limit = kSaveNumberLimit;
    // Lines 1..24 in file order; Spare (line 10) is never used.
    const bool lines[] = {
        Whole(h.Level, 1, limit),      Within(h.MaxHp, -limit, limit),   Within(h.Hp, -limit, limit),
        Within(h.Attack, -limit, limit), Within(h.Defence, -limit, limit), Within(h.Speed, -limit, limit),
        Within(h.Exp, -limit, limit),  Whole(h.Wins, 0, limit),          Whole(h.SaveCount, 0, limit),
        true,                          Within(h.Mp, -limit, limit),      Within(h.MaxMp, -limit, limit),
        Whole(h.Days, 0, limit),       Within(h.Money, -limit, limit),   Whole(h.Skill, 0, kTechniqueCount - 1),
        OnMapX(h.HeroX),               OnMapY(h.HeroY),                  Within(h.Bone, -limit, limit),
        Within(h.GrowHp, -limit, limit), Within(h.GrowMp, -limit, limit), Within(h.GrowAttack, -limit, limit),
        Within(h.GrowDefence, -limit, limit), Within(h.GrowSpeed, -limit, limit), Within(h.BoneRate, -limit, limit),
    };
    for (size_t i = 0; i < std::size(lines); ++i)
        if (!lines[i]) return Fail(int(i) + 1, problem);
    for (size_t slot = 0; slot < h.Progress.size(); ++slot)
        if (!SlotInRange(h.Progress[slot], KindOf(slot))) return Fail(kFirstProgressLine + int(slot), problem);
    for (size_t k = 0; k < h.MascotOwned.size(); ++k)
        if (h.MascotOwned[k] != 0 && h.MascotOwned[k] != 1) return Fail(kFirstMascotLine + int(k), problem);
    return true;
}

}  // namespace zanbora
