// The intended way through the world, gate by gate, with the level the hero
// is expected to have when he gets there (zones grow harder every ten rows
// southward; the numbers assume a player who fights what he meets on the way).

#include "WorldStory.h"

namespace zanbora::world {

const std::vector<Leg>& MainRoute() {
    static const std::vector<Leg> route = {
        // The training ground under the hall.
        {"the mentor's gift", Step::Enter, {60, 488}, 1, {}},
        {"graduation: the trainer takes 99800 sen", Step::Enter, {56, 480}, 1, {}},
        {"the bean who tells of the world", Step::Enter, {62, 481}, 1, {}},
        {"the hall's circle out to the world", Step::Enter, {60, 470}, 1, {}},
        // The northern island.
        {"the guide south of the clearing", Step::Enter, {50, 13}, 1, {}},
        {"the first town", Step::Enter, {58, 17}, 1, {}},
        {"the bean at the first circle", Step::Enter, {63, 16}, 1, {}},
        {"the second town, word of the dragon rock", Step::Enter, {34, 26}, 2, {}},
        {"the bean warning of tired mascots", Step::Enter, {47, 30}, 2, {}},
        {"the toll: exactly the 200 sen the trainer left", Step::Enter, {45, 31}, 2, {}},
        {"the bean beside the first medal", Step::Enter, {41, 33}, 2, {}},
        {"medal ホネコプター", Step::Enter, {37, 33}, 2, {}},
        {"the bean at the dragon rock on the bridge", Step::Enter, {43, 42}, 2, {}},
        {"the bean at the iron grate", Step::Enter, {66, 37}, 2, {}},
        {"the iron grate (level 3)", Step::Enter, {68, 40}, 3, {{68, 43}}},
        {"the bean inside the ROBO building", Step::Enter, {68, 43}, 3, {}},
        {"the bean who knows a hidden passage", Step::Enter, {74, 44}, 4, {}},
        {"the bean in the secret room", Step::Enter, {60, 62}, 5, {}},
        {"boss ROBO", Step::Enter, {90, 52}, 8, {{90, 59}}},
        {"medal ROBO", Step::Enter, {90, 59}, 8, {}},
        {"the dragon rock on the bridge, broken by ROBO's laser", Step::Enter, {45, 44}, 8, {{45, 54}}},
        // The plains south of the river.
        {"the cage door (level 3)", Step::Enter, {82, 69}, 8, {{82, 67}}},
        {"the racing bean goes home to the hall", Step::Enter, {82, 67}, 8, {}},
        {"the plains town", Step::Enter, {30, 74}, 8, {}},
        {"medal マメゾ in the grove", Step::Enter, {81, 91}, 9, {}},
        {"the dragon rock at the second bridge and its guardian", Step::Enter, {50, 108}, 10, {{50, 110}}},
        {"the town under the mountains", Step::Enter, {56, 110}, 10, {}},
        {"the dark pit into the cave", Step::Enter, {7, 127}, 11, {}},
        // The dark cave.
        {"the cave town", Step::Enter, {40, 158}, 12, {}},
        {"boss ヘビチュ in the ruins", Step::Enter, {84, 162}, 14, {{84, 167}}},
        {"medal ヘビチュ", Step::Enter, {84, 167}, 14, {}},
        {"the dragon rock at the cave mouth and its guardian", Step::Enter, {30, 172}, 15, {{30, 180}}},
        // The stone keeper's land.
        {"the town by the broken bridge", Step::Enter, {25, 190}, 15, {}},
        {"the town near the warp building", Step::Enter, {42, 193}, 15, {}},
        {"the stone keeper throws his stone", Step::Enter, {60, 196}, 15, {}},
        {"the stone kicked back under the keeper", Step::KickStone, {60, 196}, 15, {{60, 194}}},
        {"the stone keeper lets the hero by", Step::Enter, {60, 195}, 15, {}},
        {"the warp building's circle home to the hall", Step::Enter, {66, 188}, 15, {}},
        {"back from the hall to the warp building", Step::Enter, {62, 474}, 15, {}},
        {"the hole past the broken bridge", Step::Enter, {70, 191}, 15, {}},
        {"the town on the southern bank", Step::Enter, {40, 234}, 17, {}},
        {"boss ROBO2 in the pass", Step::Enter, {50, 238}, 18, {{50, 242}}},
        // The lost forest and the temple shore.
        {"the town at the lost forest", Step::Enter, {56, 242}, 18, {}},
        {"medal キノコン deep in the forest", Step::Enter, {7, 255}, 19, {}},
        {"the lake town", Step::Enter, {70, 253}, 19, {}},
        {"the strange hole across the lake", Step::Enter, {76, 254}, 19, {}},
        {"the bean who speaks of the seals", Step::Enter, {81, 273}, 20, {}},
        {"the temple town", Step::Enter, {60, 277}, 20, {}},
        {"boss 偽マメさん in the temple", Step::Enter, {20, 287}, 22, {{13, 295}}},
        {"medal 偽マメさん", Step::Enter, {13, 295}, 22, {}},
        {"the temple hole to the first seal", Step::Enter, {12, 280}, 23, {}},
        // The two seals.
        {"boss マスク・ド・兄貴 before the first seal", Step::Enter, {13, 338}, 24, {{9, 338}}},
        {"the first seal keeper", Step::Enter, {9, 338}, 24, {}},
        {"out to the south shore", Step::Enter, {30, 347}, 24, {}},
        {"the southernmost town", Step::Enter, {40, 315}, 24, {}},
        {"the stairs down to the second seal", Step::Enter, {73, 305}, 24, {}},
        {"the second seal keeper", Step::Enter, {90, 358}, 25, {}},
        {"the hole to the cellar", Step::Enter, {61, 354}, 25, {}},
        {"medal ナイト in the cellar", Step::Enter, {81, 373}, 26, {}},
        {"out of the cellar to the south shore", Step::Enter, {41, 375}, 26, {}},
        {"the south shore's circle back to the temple", Step::Enter, {60, 320}, 26, {}},
        {"the circle the seals opened", Step::Enter, {79, 273}, 26, {}},
        // The castle under the hall.
        {"the northernmost town", Step::Enter, {30, 389}, 26, {}},
        {"the bean at the castle gate: two springs", Step::Enter, {50, 390}, 26, {}},
        {"the east spring", Step::Enter, {70, 419}, 27, {}},
        {"the west spring", Step::Enter, {35, 422}, 27, {}},
        {"boss 岩ドラゴン", Step::Enter, {50, 420}, 28, {{45, 430}}},
        {"medal 岩ドラゴン", Step::Enter, {45, 430}, 28, {}},
        {"boss プリースト", Step::Enter, {58, 438}, 30, {{50, 450}}},
        {"medal プリースト where the priest fell", Step::Enter, {61, 429}, 30, {}},
        {"the castle's last circle to the throne room", Step::Enter, {50, 455}, 31, {}},
        {"ザンボラ", Step::Enter, {94, 478}, 32, {}},
    };
    return route;
}

}  // namespace zanbora::world
