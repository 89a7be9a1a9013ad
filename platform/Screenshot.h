#pragma once
// F12: the picture on screen saved as a PNG in the screenshots folder beside
// the saves, named by the local date and time.
#include <string>

#include "platform/Pixels.h"

namespace zanbora {

// Writes `frame` to <userDir>/screenshots/zanbora-YYYYMMDD-HHMMSS.png (the
// folder is made when missing; a second one within the same second gets
// "-2", ...). Returns the path written, or empty with `error` set.
std::string SaveScreenshot(const Pixels& frame, const std::string& userDir, std::string& error);

}  // namespace zanbora
