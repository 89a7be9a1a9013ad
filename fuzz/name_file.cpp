// name.ini as the start-up reads it: any file gives a name and a draw skip
// of 1..10 and a name the name box can hold, or is refused whole.
#include <cstdint>
#include <cstdlib>

#include "FuzzFile.h"
#include "game/core/HeroName.h"
#include "game/core/TextCodec.h"
#include "game/party/NameFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace zanbora;
    const fuzz::MemoryFile file(data, size);
    NameFile read;
    read.name = "untouched";
    if (ReadNameFile(file.path(), read)) {
        if (read.drawSkip < 1 || read.drawSkip > kMaxDrawSkip) std::abort();
        if (size > kNameFileLimit) std::abort();
        if (Utf8Length(read.name) > kMaxHeroNameLength) std::abort();
    } else if (read.name != "untouched") {
        std::abort();
    }
    return 0;
}
