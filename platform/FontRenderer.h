#pragma once
// The game's Japanese gothic face (IPAPGothic, found through fontconfig),
// rendered at 96 DPI so that 15 points make a 20-pixel line. Rendered lines
// are kept, because the panels draw the same labels every frame.
#include <map>
#include <memory>
#include <string>
#include <utility>

#include "platform/Pixels.h"

namespace zanbora {

class FontRenderer {
public:
    FontRenderer();
    ~FontRenderer();
    FontRenderer(const FontRenderer&) = delete;
    FontRenderer& operator=(const FontRenderer&) = delete;

    // Alpha mask of one line of UTF-8 text (0..255 in the low byte).
    // An empty picture when the font cannot be found.
    const Pixels& render(const std::string& utf8, int points);

private:
    void* fontFor(int points);

    std::string fontPath_;
    std::map<int, void*> fonts_;
    std::map<std::pair<int, std::string>, Pixels> cache_;
};

}  // namespace zanbora
