#pragma once
// The sprite sheets the game carries, laid out as assets/art/SHEETS.md says.
#include "Image.h"

namespace art {

Image FieldSheet();        // map_c.bmp, 400 x 360
Image FieldHeroSheet();    // chr3.bmp, 80 x 180
Image BattleMasterSheet(); // chr_m.bmp, 320 x 256
Image HeroBattleBase();    // ch.bmp, 400 x 360
Image EffectSheet();       // effect.bmp, 320 x 256
Image ItemSheet();         // item_c.bmp, 900 x 40

}  // namespace art
