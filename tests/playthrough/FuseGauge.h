#pragma once
// The bomb's fuse as the battle screen shows it: a yellow gauge from
// (370, 280) to (470, 290) that fills by the square of the fuse burnt so
// far, and starts again once it has been full.
#include "platform/Pixels.h"

namespace zanbora::playthrough {

// True while the gauge's frame is on the screen.
bool FuseGaugeShown(const Pixels& frame);
// True when the gauge is full: the fuse is at its longest, and a bomb let go
// now does the most harm.
bool FuseAtLongest(const Pixels& frame);

}  // namespace zanbora::playthrough
