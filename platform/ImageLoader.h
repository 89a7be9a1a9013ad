#pragma once
// Reads BMP and JPEG pictures into plain 32-bit pixels.
#include <string>

#include "platform/Pixels.h"

namespace zanbora {

bool LoadPictureFile(const std::string& path, Pixels& out);

}  // namespace zanbora
