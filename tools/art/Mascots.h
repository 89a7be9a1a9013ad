#pragma once
// The ten mascots (index k of MascotOwned) and their small pictures.
#include "Image.h"

namespace art {

constexpr int kMascotCount = 10;

// The opponent picture number each mascot is drawn from (ホネコプター is mons02, ...).
int MascotMonster(int k);
// The 40 x 40 battle figure on black (ch at (40 k, 320)).
Image MascotFigure(int k);
// The 40 x 40 framed icon of the mascot screen (map_c at (40 k, 320)); its
// top 5 rows are black.
Image MascotIcon(int k);
// The two other icons of the mascot screen: not owned (a question mark) and remove.
Image MascotUnknownIcon();
Image MascotRemoveIcon();

}  // namespace art
