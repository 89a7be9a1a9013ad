#pragma once
// Screenshots: a picture as the bytes of a PNG file (8-bit RGB, no
// transparency), and the file name a screenshot taken at a given moment gets.
#include <ctime>
#include <string>

#include "platform/Pixels.h"

namespace zanbora {

// Empty when the picture cannot be compressed (out of memory).
std::string EncodePng(const Pixels& picture);

// "zanbora-20261208-234501.png" for that local time; a second screenshot in
// the same second gets "-2", then "-3", ... (`taken` counts the ones already
// taken in that second).
std::string ScreenshotName(const std::tm& when, int taken);

}  // namespace zanbora
