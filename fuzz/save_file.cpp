// The save reader: any bytes are either refused with a reason, leaving the
// hero and the map as they were, or read into a record that the writer puts
// back into a file that reads the same again.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "game/party/SaveFormat.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace zanbora;
    Player hero;
    hero.Name = "マメ太郎";
    MapLayers map;
    std::string problem;
    if (!ParseSave(std::string_view(reinterpret_cast<const char*>(data), size), hero, map, problem)) {
        if (problem.empty() || hero.Name != "マメ太郎" || map.eventAt(50, 300) != 0) std::abort();
        return 0;
    }
    std::string written;
    if (!SaveFileBytes(hero, map, written, problem)) return 0;  // e.g. a job text with no CP932 form
    Player again;
    MapLayers againMap;
    std::string rewritten;
    if (!ParseSave(written, again, againMap, problem) || !SaveFileBytes(again, againMap, rewritten, problem) ||
        rewritten != written)
        std::abort();
    return 0;
}
