// The path resolver: whatever path the game's data names, the result stays
// inside the game folder and never climbs out with "..".
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

#include "platform/AppDir.h"

namespace {

// A small game folder with mixed-case names to find.
const std::string& GameFolder() {
    static const std::string folder = [] {
        namespace fs = std::filesystem;
        const fs::path dir = fs::temp_directory_path() / ("zanbora-fuzz-path-" + std::to_string(getpid()));
        fs::create_directories(dir / "cg");
        fs::create_directories(dir / "Wave" / "deep");
        for (const char* name : {"cg/title.jpg", "Wave/MEN03.wav", "map.dat"}) std::ofstream(dir / name).put('x');
        return dir.string();
    }();
    return folder;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string& folder = GameFolder();
    const std::string gamePath(reinterpret_cast<const char*>(data), size);
    if (gamePath.find('\0') != std::string::npos) return 0;  // C strings in the game's data never hold one
    const std::string resolved = zanbora::ResolveGamePath(folder, gamePath);
    if (resolved.compare(0, folder.size(), folder) != 0) std::abort();
    for (const auto& part : std::filesystem::path(resolved.substr(folder.size())))
        if (part == "..") std::abort();
    return 0;
}
