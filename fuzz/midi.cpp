// The check a music file passes before the player gets it: never reads past
// the bytes, and always says why it refuses.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "platform/MidiCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string why;
    if (!zanbora::MidiIsPlayable(std::string_view(reinterpret_cast<const char*>(data), size), why) && why.empty())
        std::abort();
    return 0;
}
