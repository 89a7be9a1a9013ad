#pragma once
#include <memory>
#include <string>

#include "platform/Platform.h"

namespace zanbora {

// dlopen of a shared library by path; nullptr when it is missing or broken.
std::unique_ptr<LoadedLibrary> OpenLibraryDl(const std::string& path);

}  // namespace zanbora
