// map.dat: only a file of exactly 70,840 bytes becomes the terrain layer, and
// a refused file leaves the layer as it was.
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "FuzzFile.h"
#include "game/core/MapLayers.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace zanbora;
    // Small inputs stand for files of every size: the first bytes say how
    // many times the rest is repeated, so the fuzzer also reaches 70,840.
    std::string bytes(reinterpret_cast<const char*>(data), size);
    if (size >= 2 && data[0] == 'R') {
        const std::string unit = bytes.substr(2);
        bytes.clear();
        for (int i = 0; i < 1 + data[1] * 4 && !unit.empty(); ++i) bytes += unit;
    }
    const fuzz::MemoryFile file(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
    MapLayers map;
    map.terrain[7] = 99;
    std::string problem;
    const bool read = LoadTerrainFile(file.path(), map, problem);
    if (read != (bytes.size() == kMapFileSize)) std::abort();
    if (map.terrain.size() != kMapFileSize) std::abort();
    if (read ? std::memcmp(map.terrain.data(), bytes.data(), kMapFileSize) != 0
             : (map.terrain[7] != 99 || problem.empty()))
        std::abort();
    return 0;
}
