// The intended way through the world, gate by gate, with the level the hero
// is expected to have when he gets there. Zones grow harder every ten rows
// southward; the levels are those at which a 勇者マメ fighting with plain
// attacks and the ROBO mascot's laser wins a boss more often than not, and
// at which the zone's monsters stop being a threat. Techniques and the other
// mascots bring them down.

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
        {"medal ホネコプター", Step::Enter, {37, 33}, 3, {}},
        {"the bean at the dragon rock on the bridge", Step::Enter, {43, 42}, 3, {}},
        {"the bean at the iron grate", Step::Enter, {66, 37}, 3, {}},
        {"the iron grate (level 3)", Step::Enter, {68, 40}, 3, {{68, 43}}},
        {"the bean inside the ROBO building", Step::Enter, {68, 43}, 4, {}},
        {"the bean who knows a hidden passage", Step::Enter, {74, 44}, 5, {}},
        {"the bean in the secret room", Step::Enter, {60, 62}, 6, {}},
        {"boss ROBO", Step::Enter, {90, 52}, 7, {{90, 59}}},
        {"medal ROBO", Step::Enter, {90, 59}, 7, {}},
        {"the dragon rock on the bridge, broken by ROBO's laser", Step::Enter, {45, 44}, 7, {{45, 54}}},
        // The plains south of the river.
        {"the cage door (level 3)", Step::Enter, {82, 69}, 7, {{82, 67}}},
        {"the racing bean goes home to the hall", Step::Enter, {82, 67}, 7, {}},
        {"the plains town", Step::Enter, {30, 74}, 8, {}},
        {"medal マメゾ in the grove", Step::Enter, {81, 91}, 8, {}},
        {"the dragon rock at the second bridge and its guardian", Step::Enter, {50, 108}, 9, {{50, 110}}},
        {"the town under the mountains", Step::Enter, {56, 110}, 9, {}},
        {"the dark pit into the cave", Step::Enter, {7, 127}, 10, {}},
        // The dark cave.
        {"the cave town", Step::Enter, {40, 158}, 11, {}},
        {"the dragon rock at the cave mouth and its guardian", Step::Enter, {30, 172}, 11, {{30, 180}}},
        // The stone keeper's land.
        {"the town by the broken bridge", Step::Enter, {25, 190}, 12, {}},
        {"the town near the warp building", Step::Enter, {42, 193}, 12, {}},
        {"the stone keeper throws his stone", Step::Enter, {60, 196}, 12, {}},
        {"the stone kicked back under the keeper", Step::KickStone, {60, 196}, 12, {{60, 194}}},
        {"the stone keeper lets the hero by", Step::Enter, {60, 195}, 12, {}},
        {"the warp building's circle home to the hall", Step::Enter, {66, 188}, 12, {}},
        {"back from the hall to the warp building", Step::Enter, {62, 474}, 12, {}},
        {"the hole past the broken bridge", Step::Enter, {70, 191}, 12, {}},
        {"the town on the southern bank", Step::Enter, {40, 234}, 13, {}},
        {"boss ROBO2 in the pass", Step::Enter, {50, 238}, 14, {{50, 242}}},
        // The lost forest and the temple shore.
        {"the town at the lost forest", Step::Enter, {56, 242}, 15, {}},
        {"medal キノコン deep in the forest", Step::Enter, {7, 255}, 15, {}},
        {"the lake town", Step::Enter, {70, 253}, 16, {}},
        {"the strange hole across the lake", Step::Enter, {76, 254}, 16, {}},
        {"the bean who speaks of the seals", Step::Enter, {81, 273}, 16, {}},
        {"the temple town", Step::Enter, {60, 277}, 16, {}},
        // The seals' dungeons below (rows 330..379) breed opponents that hit
        // as hard as the temple shore's and outlast them: a hero below 25
        // spends his time walking out to the inn, so he trains up here first.
        {"the temple hole to the first seal", Step::Enter, {12, 280}, 25, {}},
        // The two seals.
        {"boss マスク・ド・兄貴 before the first seal", Step::Enter, {13, 338}, 25, {{9, 338}}},
        {"the first seal keeper", Step::Enter, {9, 338}, 25, {}},
        {"out to the south shore", Step::Enter, {30, 347}, 25, {}},
        {"the southernmost town", Step::Enter, {40, 315}, 25, {}},
        {"the stairs down to the second seal", Step::Enter, {73, 305}, 25, {}},
        {"the second seal keeper", Step::Enter, {90, 358}, 26, {{94, 480}}},
        {"the hole to the cellar", Step::Enter, {61, 354}, 26, {}},
        {"medal ナイト in the cellar", Step::Enter, {81, 373}, 26, {}},
        {"out of the cellar to the south shore", Step::Enter, {41, 375}, 26, {}},
        {"the south shore's circle back to the temple", Step::Enter, {60, 320}, 26, {}},
        // The circle is the only way into the castle, and the castle's
        // monsters (attack 175, one of them as fast as a bird) fell a hero
        // below 30 in a battle or two: he trains on the temple shore first.
        {"the circle the seals opened", Step::Enter, {79, 273}, 30, {}},
        // The castle under the hall.
        {"the northernmost town", Step::Enter, {30, 389}, 30, {}},
        {"the bean at the castle gate: two springs", Step::Enter, {50, 390}, 30, {}},
        {"the east spring", Step::Enter, {70, 419}, 30, {}},
        {"the west spring", Step::Enter, {35, 422}, 30, {}},
        {"boss 岩ドラゴン", Step::Enter, {50, 420}, 32, {{45, 430}}},
        {"medal 岩ドラゴン", Step::Enter, {45, 430}, 32, {}},
        {"boss プリースト", Step::Enter, {58, 438}, 38, {{50, 450}}},
        {"medal プリースト where the priest fell", Step::Enter, {61, 429}, 38, {}},
        // No way leads back out of the throne room: the training for
        // ザンボラ is done before the circle.
        {"the castle's last circle to the throne room", Step::Enter, {50, 455}, 42, {}},
        {"ザンボラ", Step::Enter, {94, 478}, 42, {}},
    };
    return route;
}

}  // namespace zanbora::world
