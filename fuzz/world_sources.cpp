// The world compiler's three readers: any text is either read or refused
// with "file:line: what" (or "file: what" for the whole file), never a crash.
#include <cstdint>
#include <cstdlib>
#include <stdexcept>
#include <string>

#include "FuzzFile.h"
#include "WorldSource.h"

namespace {

template <typename Read>
void Expect(const std::string& path, Read read) {
    try {
        read();
    } catch (const std::runtime_error& e) {
        if (std::string(e.what()).compare(0, path.size() + 1, path + ":") != 0) std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace worldtool;
    const zanbora::fuzz::MemoryFile file(data, size);
    const std::string& path = file.path();
    Expect(path, [&] {
        const Legend legend = ReadLegend(path);
        for (int code : legend.code)
            if (code < -1 || code > 255) std::abort();
    });
    Expect(path, [&] {
        for (const Event& event : ReadEvents(path))
            if (event.x < 0 || event.x >= kEventColumns || event.y < 0 || event.y >= kEventRows) std::abort();
    });
    // The terrain against a legend that knows the characters of the input's
    // first line, so the grid's own checks are reached.
    Legend legend;
    legend.code.fill(-1);
    for (size_t i = 0; i < size && data[i] != '\n'; ++i) legend.code[data[i]] = data[i] % 17;
    Expect(path, [&] { ReadTerrain(path, legend); });
    return 0;
}
