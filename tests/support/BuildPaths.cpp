#include "support/BuildPaths.h"

namespace zanbora::testing {

std::string BuiltGameDir() { return ZANBORA_GAME_DIR; }
std::string SourceDir() { return ZANBORA_SOURCE_DIR; }

}  // namespace zanbora::testing
