// settings.ini as the game reads it: any text gives settings in their ranges,
// at most one sentence per line and one per action, each one printable on a
// terminal, and no key the game keeps for itself.
#include <SDL.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/Settings.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace zanbora;
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> problems;
    const Settings settings = ParseSettings(text, problems);
    if (settings.scale < 0 || settings.scale > 8) std::abort();
    if (settings.musicVolume < 0 || settings.musicVolume > 100) std::abort();
    if (settings.effectVolume < 0 || settings.effectVolume > 100) std::abort();
    if (settings.virtualKey(SDLK_F12) != 0) std::abort();
    size_t lines = 1;
    for (char c : text) lines += c == '\n';
    if (problems.size() > lines + 6) std::abort();
    for (const std::string& problem : problems)
        for (char c : problem)
            if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) std::abort();
    const std::string changed = WithSetting(text, "fullscreen", "yes");
    std::vector<std::string> again;
    ParseSettings(changed, again);
    return 0;
}
