#pragma once
// The bean folk: the hero, the villagers, the companions and the bean-shaped
// opponents are all drawn by this one figure, dressed by job.
#include "Paint.h"

namespace art {

enum class Facing { Up, Right, Down, Left };

enum class Outfit {
    Townsman,   // 町民: a red headband
    Hero,       // 勇者マメ: helmet, cape, sword
    Mage,       // 魔法使: pointed hat, staff
    Bomber,     // 爆弾兵: army helmet, bomb
    NotBean,    // マメじゃないヤツ: a paper-bag disguise
    Barbarian,  // 蛮族: horned helmet, fur, club
    Fighter,    // 戦闘民族: spiky golden hair, gi
    Necro,      // ネクロマンサー: hood, skull staff
    Swordsman,  // companion: blue armour and sword
    Priest,     // companion: white mitre and cross staff
    Villager,   // field people: a straw hat
    Baron,      // 男爵マメ: top hat, monocle, moustache
    Plain       // no clothes at all
};

enum class Pose { Idle, Attack, Hurt };

struct BeanLook {
    Rgb body;
    Outfit outfit = Outfit::Townsman;
    bool glowingEyes = false;  // the dark copies: red eyes, no whites
};

// Draws the figure in a 100 x 100 box, feet on y = 98, centre x = 50.
// step shifts the legs for walking (-1, 0, 1); lift raises the whole figure.
void DrawBean(cairo_t* cr, const BeanLook& look, Facing facing, int step, Pose pose, double lift = 0);

}  // namespace art
