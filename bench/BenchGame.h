#pragma once
// The game the benchmarks draw: headless, with the built game folder's world,
// sight tables and sprite sheets (open grass when the folder has no map yet).
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <memory>
#include <string>

#include "game/core/Game.h"
#include "game/core/MapLayers.h"
#include "game/core/Sheets.h"
#include "platform/HeadlessPlatform.h"

namespace zanbora {

struct BenchGame {
    HeadlessPlatform platform;
    std::unique_ptr<Game> game = std::make_unique<Game>(platform, ZANBORA_GAME_DIR);

    BenchGame() {
        Game& g = *game;
        for (int k = 1; k <= 80; ++k) {
            g.field.SinTab[k] = std::sin(k * 4.5 * M_PI / 180.0);
            g.field.CosTab[k] = std::cos(k * 4.5 * M_PI / 180.0);
        }
        std::string problem;
        const std::string dir = ZANBORA_GAME_DIR;
        if (!LoadTerrainFile(dir + "/map.dat", g.map, problem))
            std::fill(g.map.terrain.begin(), g.map.terrain.end(), uint8_t(10));
        ApplyItemList(dir + "/items.lst", g.map);
        LoadSheets(g);
    }
};

}  // namespace zanbora
