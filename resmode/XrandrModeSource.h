#pragma once
// The modes of the X display's primary output, through the RandR extension.
#include <memory>

#include "resmode/ModeListing.h"

namespace resmode {

// Connects to $DISPLAY; nullptr when there is no X display, no RandR 1.2
// or no output driving a screen.
std::unique_ptr<ModeSource> openPrimaryOutputModes();

}  // namespace resmode
