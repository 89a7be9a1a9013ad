#include "field_fixture.h"

#include <algorithm>
#include <cctype>
#include <cmath>

namespace zanbora::testing {

FieldTest::FieldTest() {
    FieldState& field = game().field;
    for (int k = 1; k <= 80; ++k) {
        field.SinTab[k] = std::sin(k * 4.5 * M_PI / 180.0);
        field.CosTab[k] = std::cos(k * 4.5 * M_PI / 180.0);
    }
    std::fill(game().map.terrain.begin(), game().map.terrain.end(), uint8_t(10));
    field.EncounterSteps = 1e9;
    // The effects the field plays, so the sound log shows them.
    for (const char* wave : {"men09", "men10", "men11", "lvup", "btl03"}) tg.dir.write(std::string("wave/") + wave + ".wav", "RIFF");
}

void FieldTest::terrain(int x0, int y0, int x1, int y1, int code) {
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) game().map.terrain[size_t(y) * kTerrainColumns + size_t(x)] = uint8_t(code);
}

void FieldTest::standIn(int x, int y) {
    game().player.HeroX = x;        // feet at x + 0.5
    game().player.HeroY = y - 0.4;  // feet at y + 0.5
    game().field.LastCellX = x;
    game().field.LastCellY = y;
}

void FieldTest::standOnCorner(int x, int y) {
    game().player.HeroX = x - 0.5;
    game().player.HeroY = y - 0.9;
    game().field.LastCellX = x;
    game().field.LastCellY = y;
}

void FieldTest::hold(const std::string& keys) {
    bool* held = game().keys.KeyState;
    held[0] = keys.find('L') != std::string::npos;
    held[1] = keys.find('U') != std::string::npos;
    held[2] = keys.find('R') != std::string::npos;
    held[3] = keys.find('D') != std::string::npos;
}

void FieldTest::frames(int n) {
    for (int i = 0; i < n; ++i) MOVEN(game());
}

void FieldTest::walkInto(const std::string& key) {
    hold(key);
    const int lastX = game().field.LastCellX, lastY = game().field.LastCellY;
    for (int i = 0; i < 12 && game().field.LastCellX == lastX && game().field.LastCellY == lastY; ++i) MOVEN(game());
    hold("");
}

int FieldTest::soundCount(const std::string& needle) {
    int n = 0;
    for (const std::string& line : tg.platform.soundLog)
        if (std::search(line.begin(), line.end(), needle.begin(), needle.end(),
                        [](char a, char b) { return std::tolower(a) == std::tolower(b); }) != line.end())
            ++n;
    return n;
}

}  // namespace zanbora::testing
