#pragma once
// The mascot screen: which owned mascot goes into battle with the hero.
#include <array>

namespace zanbora {

struct Game;

struct MascotLabels {
    const char* owned[2];
    const char* missing[2];
};
constexpr int kMascotSlots = 10;
const std::array<MascotLabels, kMascotSlots>& MascotLabelTable();

// Cursor holds the active mascot's slot on entry (Progress[16] - 1). Slot
// 10 takes the mascot off. Cursor is 0 afterwards.
void stt(Game& game);

}  // namespace zanbora
