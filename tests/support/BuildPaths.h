#pragma once
// Where this build put the game folder, and where the sources are. Kept in
// one compiled file so that the test sources do not carry the build's paths
// (their objects then stay the same from one checkout to another).
#include <string>

namespace zanbora::testing {

std::string BuiltGameDir();
std::string SourceDir();

}  // namespace zanbora::testing
