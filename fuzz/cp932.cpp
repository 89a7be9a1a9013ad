// The CP932 codec: any bytes decode; whatever decodes re-encodes, and text
// the codec encodes decodes back to itself.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "game/core/TextCodec.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace zanbora;
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const std::string text = Cp932ToUtf8(bytes);
    if (Utf8Length(text) > size) std::abort();  // never more characters than bytes
    std::string encoded;
    if (Utf8ToCp932(text, encoded) && Cp932ToUtf8(encoded) != text) std::abort();
    // The same bytes taken as UTF-8 (a name typed by the player): a name may
    // turn into its code-page look-alike once, which then stays as it is,
    // and never gains a plain ASCII character it did not have.
    std::string asName, again;
    if (Utf8ToCp932(bytes, asName)) {
        const std::string normalised = Cp932ToUtf8(asName);
        if (!Utf8ToCp932(normalised, again) || again != asName) std::abort();
        const auto before = Utf8Characters(bytes), after = Utf8Characters(normalised);
        if (before.size() != after.size()) std::abort();
        for (size_t i = 0; i < before.size(); ++i)
            if (before[i].size() > 1 && after[i].size() == 1) std::abort();
    }
    return 0;
}
