#pragma once
// The sprite sheets the game copies from, and the field's three layers.
#include "game/core/Surface.h"

namespace zanbora {

struct Game;

struct Sheets {
    Surface map_c{400, 360};   // field textures, masks, bone, mascot icons
    Surface chr3{80, 180};     // the hero on the field
    Surface chr_m{320, 256};   // battle graphics and the menu pointer
    Surface item_c{900, 40};   // 20 x 20 event sprites over their masks
    Surface ch{400, 360};      // the hero's battle sheet (built at start-up)
    Surface effect{320, 64};   // battle effects (the slash frames)
    Surface mons_c{100, 300};  // scratch: whatever picture a scene loaded
    // Field layers: ground, upper colour, upper mask.
    Surface PIC_U, PPP, PIC2;
};

// Loads every sheet that exists in cg/; a missing file leaves a blank sheet
// of the stated size. Then builds the hero's battle sheet ch.
void LoadSheets(Game& game);
// Loads "\cg\<name>" into mons_c. False (and mons_c unchanged) when missing.
bool LoadIntoMonsC(Game& game, const std::string& gamePath);

}  // namespace zanbora
