// items.lst: any text places events only inside the event layer.
#include <cstdint>
#include <cstdlib>

#include "FuzzFile.h"
#include "game/core/MapLayers.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace zanbora;
    const fuzz::MemoryFile file(data, size);
    MapLayers map;
    const bool read = ApplyItemList(file.path(), map);
    if (read != (size <= kItemListLimit)) std::abort();
    if (map.events.size() != size_t(kEventColumns) * kEventRows) std::abort();
    return 0;
}
