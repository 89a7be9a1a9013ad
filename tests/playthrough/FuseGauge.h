#pragma once
// The bomb's fuse as the battle screen shows it: the key games' yellow gauge,
// filled by the square of the fuse burnt so far, starting again once full.
#include "platform/Pixels.h"

namespace zanbora::playthrough {

// True while the gauge's frame is on the screen.
bool FuseGaugeShown(const Pixels& frame);
// True when the gauge is full: the fuse is at its longest, and a bomb let go
// now does the most harm.
bool FuseAtLongest(const Pixels& frame);

}  // namespace zanbora::playthrough
