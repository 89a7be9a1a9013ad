#include "game/battle/MonsterTable.h"

#include "game/core/Frame.h"
#include "game/core/Game.h"

namespace zanbora {

namespace {

struct Kind {
    const char* picture;
    int id;
    double maxHp, attack, defence, speed, exp, money;
    int special;
    double resistFire, resistEnergy;
};

// Zones firstZone..lastZone (rows / 10); a draw of 1 meets `first`, 0 `second`.
struct EncounterZone {
    int firstZone, lastZone;
    Kind first, second;
};

constexpr EncounterZone kZones[] = {
    {0, 2, {"mons06", 2, 25, 20, 1, 12, 3, 7, 0, 1, 1}, {"mons02", 1, 16, 19, 3, 3, 2, 4, 0, 1, 1}},
    {3, 3, {"mons06", 2, 29, 22, 2, 12, 4, 9, 0, 1, 1}, {"mons02", 1, 23, 22, 5, 7, 3, 6, 0, 1, 1}},
    {4, 6, {"mons22", 18, 49, 31, 2, 12, 7, 12, 0, 1, 1}, {"mons05", 11, 39, 29, 3, 19, 6, 8, 5, 1, 1}},
    {7, 9, {"mons05", 11, 55, 33, 14, 19, 11, 14, 5, 1, 1}, {"mons04", 8, 50, 35, 5, 14, 10, 10, 1, 1, 1}},
    {10, 11, {"mons05", 11, 55, 45, 16, 19, 18, 14, 5, 1, 1}, {"mons04", 8, 55, 40, 4, 19, 26, 12, 1, 1, 1}},
    {12, 14, {"mons07", 0, 70, 52, 22, 43, 28, 21, 2, 1, 1}, {"mons01", 0, 50, 52, 20, 17, 26, 14, 0, 1, 1}},
    {15, 17, {"mons07", 0, 110, 52, 22, 49, 38, 25, 2, 1, 1}, {"mons01", 0, 60, 65, 20, 17, 43, 18, 0, 1, 1}},
    {18, 18, {"mons18", 5, 120, 75, 45, 25, 52, 27, 3, 0.5, 1}, {"mons03", 4, 150, 70, 19, 25, 59, 20, 0, 1, 1}},
    {19, 21, {"mons18", 5, 140, 90, 47, 40, 72, 29, 3, 0.5, 1}, {"mons03", 4, 170, 70, 13, 25, 68, 22, 0, 1, 1}},
    {22, 23, {"mons09", 7, 180, 80, 25, 30, 94, 32, 0, 0.7, 1}, {"mons08", 6, 230, 85, 15, 25, 82, 26, 0, 0.7, 1}},
    {24, 25, {"mons14", 13, 300, 90, 15, 30, 120, 30, 0, 1, 1}, {"mons11", 8, 270, 105, 20, 15, 116, 28, 4, 1, 1}},
    {26, 27, {"mons14", 13, 300, 115, 20, 20, 140, 36, 0, 1, 1}, {"mons11", 8, 280, 110, 23, 25, 136, 30, 4, 1, 1}},
    {28, 31, {"mons16", 9, 400, 125, 30, 40, 170, 36, 0, 1, 1}, {"mons15", 10, 280, 115, 30, 45, 166, 30, 3, 1, 1}},
    {33, 34, {"mons02", 1, 200, 135, 45, 80, 197, 36, 0, 0.7, 1}, {"mons15", 10, 370, 125, 35, 55, 176, 35, 3, 0.8, 1}},
    {35, 37, {"mons17", 12, 350, 155, 55, 30, 210, 39, 0, 0.4, 1}, {"mons16", 9, 500, 140, 40, 70, 196, 32, 0, 0.8, 1}},
    {38, 39, {"mons23", 12, 350, 175, 80, 60, 230, 40, 0, 0.3, 0.3}, {"mons21", 14, 600, 150, 40, 150, 230, 39, 7, 0.7, 0.4}},
    {40, 41, {"mons23", 12, 350, 175, 80, 60, 230, 40, 0, 0.3, 0.3}, {"mons21", 14, 650, 150, 40, 150, 230, 39, 7, 0.7, 0.4}},
    {42, 43, {"mons26", 17, 120, 200, 30, 350, 240, 45, 0, 0.6, 0.6}, {"mons24", 16, 210, 250, 80, 170, 300, 42, 0, 1, 1}},
};

const EncounterZone* FindZone(int zone) {
    for (const EncounterZone& z : kZones) {
        if (zone >= z.firstZone && zone <= z.lastZone) return &z;
    }
    return nullptr;
}

void Meet(Monster& m, const Kind& kind) {
    m.Picture = kind.picture;
    m.Id = kind.id;
    m.MaxHp = kind.maxHp;
    m.Attack = kind.attack;
    m.Defence = kind.defence;
    m.Speed = kind.speed;
    m.Exp = kind.exp;
    m.Money = kind.money;
    m.Special = kind.special;
    m.Resist[1] = kind.resistFire;
    m.Resist[7] = kind.resistEnergy;
}

struct NameRow {
    const char* picture;
    const char* name;
    int x;
};

// "mons18" and "mons28" keep their names to themselves.
constexpr NameRow kNames[] = {
    {"mons01", "枯れKING", 80},      {"mons02", "ホネコプター", 60},   {"mons03", "怪力ポテチン", 60},
    {"mons04", "マスク・ド・兄貴", 40}, {"mons05", "樹足", 90},          {"mons06", "大喰らい植物", 60},
    {"mons07", "トンカチマン", 60},   {"mons08", "ROBO", 90},          {"mons09", "ROBO2", 90},
    {"mons10", "マメゾ", 90},         {"mons11", "ピヨコ", 90},         {"mons12", "ヘビチュ", 80},
    {"mons13", "偽マメさん", 70},     {"mons14", "タマムシ", 80},       {"mons15", "キノコン", 80},
    {"mons16", "ナイト", 90},         {"mons17", "隊長", 90},           {"mons19", "ドラゴン岩", 80},
    {"mons20", "マメゾ", 90},         {"mons21", "ヘルスイカ", 70},     {"mons22", "タマゴマシーン", 40},
    {"mons23", "ハロー", 90},         {"mons24", "男爵マメ", 90},       {"mons25", "岩ドラゴン", 90},
    {"mons26", "覇王樹", 100},        {"mons27", "プリースト", 100},
};

const NameRow* FindName(const std::string& picture) {
    for (const NameRow& row : kNames) {
        if (picture == row.picture) return &row;
    }
    return nullptr;
}

}  // namespace

void ChooseEncounterMonster(Game& game) {
    Monster& m = game.monster;
    m.Resist.fill(1);
    if (const EncounterZone* zone = FindZone(Int(game.player.HeroY / 10))) {
        const int r = Int(2 * game.Rnd());
        Meet(m, r == 1 ? zone->first : zone->second);
    }
    m.Hp = m.MaxHp;
}

std::optional<std::array<Monster, 2>> ZoneOpponents(int zone) {
    const EncounterZone* found = FindZone(zone);
    if (!found) return std::nullopt;
    std::array<Monster, 2> kinds;
    Meet(kinds[0], found->first);
    Meet(kinds[1], found->second);
    for (Monster& m : kinds) m.Hp = m.MaxHp;
    return kinds;
}

void DrawMonsterName(Game& game) {
    if (const NameRow* row = FindName(game.monster.Picture)) DrawText(game, row->name, row->x, 130);
}

}  // namespace zanbora
