// The opponents met by zone, the bosses of the field's events and the names
// the knight mascot tells.
#include <gtest/gtest.h>

#include "game/battle/FixedOpponents.h"
#include "game/battle/MonsterTable.h"
#include "game/core/Frame.h"
#include "support/TestGame.h"

using namespace zanbora;
using zanbora::testing::TestGame;

namespace {

// One encounter at `row` with the generator's next draw pinned to `draw`.
const Monster& MeetAt(Game& game, double row, double draw) {
    game.player.HeroY = row;
    game.rng.pinned = {draw};
    ChooseEncounterMonster(game);
    return game.monster;
}

void ExpectResistances(const Monster& m, double fire, double energy) {
    for (int k = 0; k <= 10; ++k) {
        const double expected = k == 1 ? fire : k == 7 ? energy : 1;
        EXPECT_EQ(m.Resist[k], expected) << m.Picture << " entry " << k;
    }
}

}  // namespace

TEST(Encounters, ZoneZeroMeetsEitherKindOnOneDraw) {
    TestGame t(false);
    Game& game = *t.game;
    const Monster& big = MeetAt(game, 5, 0.5);  // Int(2 * 0.5) = 1: the first kind
    EXPECT_EQ(big.Picture, "mons06");
    EXPECT_EQ(big.Id, 2);
    EXPECT_EQ(big.MaxHp, 25);
    EXPECT_EQ(big.Hp, 25);
    EXPECT_EQ(big.Attack, 20);
    EXPECT_EQ(big.Defence, 1);
    EXPECT_EQ(big.Speed, 12);
    EXPECT_EQ(big.Exp, 3);
    EXPECT_EQ(big.Money, 7);
    EXPECT_EQ(big.Special, 0);
    EXPECT_TRUE(game.rng.pinned.empty());

    const Monster& small = MeetAt(game, 29.9, 0.49);
    EXPECT_EQ(small.Picture, "mons02");
    EXPECT_EQ(small.Id, 1);
    EXPECT_EQ(small.MaxHp, 16);
    EXPECT_EQ(small.Hp, 16);
    EXPECT_EQ(small.Exp, 2);
    EXPECT_EQ(small.Money, 4);
}

TEST(Encounters, EachZoneHasItsOwnPair) {
    TestGame t(false);
    Game& game = *t.game;
    struct Case {
        double row, draw;
        const char* picture;
        int id;
        double maxHp, attack, exp;
        int special;
        double fire, energy;
    };
    const Case cases[] = {
        {30, 0.9, "mons06", 2, 29, 22, 4, 0, 1, 1},      {60, 0.1, "mons05", 11, 39, 29, 6, 5, 1, 1},
        {99, 0.1, "mons04", 8, 50, 35, 10, 1, 1, 1},     {110, 0.6, "mons05", 11, 55, 45, 18, 5, 1, 1},
        {120, 0.6, "mons07", 0, 70, 52, 28, 2, 1, 1},    {179, 0.2, "mons01", 0, 60, 65, 43, 0, 1, 1},
        {185, 0.7, "mons18", 5, 120, 75, 52, 3, 0.5, 1}, {210, 0.3, "mons03", 4, 170, 70, 68, 0, 1, 1},
        {225, 0.0, "mons08", 6, 230, 85, 82, 0, 0.7, 1}, {250, 0.8, "mons14", 13, 300, 90, 120, 0, 1, 1},
        {270, 0.3, "mons11", 8, 280, 110, 136, 4, 1, 1}, {319, 0.3, "mons15", 10, 280, 115, 166, 3, 1, 1},
        {330, 0.6, "mons02", 1, 200, 135, 197, 0, 0.7, 1}, {349, 0.3, "mons15", 10, 370, 125, 176, 3, 0.8, 1},
        {350, 0.6, "mons17", 12, 350, 155, 210, 0, 0.4, 1}, {380, 0.6, "mons23", 12, 350, 175, 230, 0, 0.3, 0.3},
        {395, 0.2, "mons21", 14, 600, 150, 230, 7, 0.7, 0.4}, {415, 0.2, "mons21", 14, 650, 150, 230, 7, 0.7, 0.4},
        {420, 0.99, "mons26", 17, 120, 200, 240, 0, 0.6, 0.6}, {439.9, 0.2, "mons24", 16, 210, 250, 300, 0, 1, 1},
    };
    for (const Case& c : cases) {
        game.monster.Resist.fill(5);  // whatever the last battle left
        const Monster& m = MeetAt(game, c.row, c.draw);
        EXPECT_EQ(m.Picture, c.picture) << "row " << c.row;
        EXPECT_EQ(m.Id, c.id) << "row " << c.row;
        EXPECT_EQ(m.MaxHp, c.maxHp) << "row " << c.row;
        EXPECT_EQ(m.Hp, c.maxHp) << "row " << c.row;
        EXPECT_EQ(m.Attack, c.attack) << "row " << c.row;
        EXPECT_EQ(m.Exp, c.exp) << "row " << c.row;
        EXPECT_EQ(m.Special, c.special) << "row " << c.row;
        ExpectResistances(m, c.fire, c.energy);
    }
}

TEST(Encounters, ZoneWithoutARowBringsBackTheLastOpponentRefreshed) {
    TestGame t(false);
    Game& game = *t.game;
    MeetAt(game, 395, 0.2);  // ヘルスイカ, fire 0.7, energy 0.4
    game.monster.Hp = 3;
    for (double row : {320.0, 329.9, 440.0, 505.0}) {
        game.monster.Hp = 3;
        game.monster.Resist.fill(0.25);
        const Monster& m = MeetAt(game, row, 0.9);
        EXPECT_EQ(m.Picture, "mons21") << row;
        EXPECT_EQ(m.MaxHp, 600) << row;
        EXPECT_EQ(m.Hp, 600) << row;
        ExpectResistances(m, 1, 1);
        EXPECT_EQ(game.rng.pinned.size(), 1u) << "no draw at row " << row;
    }
}

TEST(Encounters, BothKindsComeUpAboutEvenly) {
    TestGame t(false);
    Game& game = *t.game;
    game.rng.seed(99);
    game.player.HeroY = 12;
    int first = 0;
    for (int i = 0; i < 2000; ++i) {
        ChooseEncounterMonster(game);
        first += game.monster.Picture == "mons06";
    }
    EXPECT_GT(first, 900);
    EXPECT_LT(first, 1100);
}

TEST(FixedOpponents, EachBossEventLoadsItsBoss) {
    TestGame t(false);
    Game& game = *t.game;
    struct Case {
        int code, row;
        const char* picture;
        int id;
        double maxHp, attack, defence, speed, exp, money;
        int special;
        double fire, energy;
    };
    const Case cases[] = {
        {2, 100, "mons08", 999, 170, 50, 30, 30, 20, 100, 0, 0.5, 1},
        {5, 100, "mons09", 998, 340, 59, 42, 40, 50, 139, 6, 0.5, 1},
        {6, 100, "mons12", 997, 800, 50, 30, 50, 10, 100, 4, 0.4, 1},
        {8, 100, "mons13", 996, 600, 120, 10, 40, 100, 30, 3, 0.5, 1},
        {9, 100, "mons04", 995, 550, 90, 25, 55, 100, 30, 1, 0.6, 1},
        {16, 420, "mons25", 993, 1800, 150, 25, 180, 0, 0, 0, 0.5, 0.5},
        {21, 478, "mons28", 990, 4000, 200, 30, 100, 0, 0, 0, 0.6, 0.6},
        {23, 300, "mons27", 992, 1500, 170, 40, 150, 1000, 150, 3, 0.5, 0.5},
    };
    for (const Case& c : cases) {
        game.monster.Resist.fill(3);
        game.monster.Hp = 1;
        EXPECT_TRUE(IsFixedOpponentEvent(c.code, c.row));
        ASSERT_TRUE(SetFixedOpponent(game, c.code, c.row)) << c.code;
        const Monster& m = game.monster;
        EXPECT_EQ(m.Picture, c.picture);
        EXPECT_EQ(m.Id, c.id);
        EXPECT_EQ(m.MaxHp, c.maxHp);
        EXPECT_EQ(m.Hp, c.maxHp) << "event " << c.code << " starts at full health";
        EXPECT_EQ(m.Attack, c.attack);
        EXPECT_EQ(m.Defence, c.defence);
        EXPECT_EQ(m.Speed, c.speed);
        EXPECT_EQ(m.Exp, c.exp);
        EXPECT_EQ(m.Money, c.money);
        EXPECT_EQ(m.Special, c.special);
        ExpectResistances(m, c.fire, c.energy);
    }
}

TEST(FixedOpponents, TheDragonRockAwayFromRow420) {
    TestGame t(false);
    Game& game = *t.game;
    ASSERT_TRUE(SetFixedOpponent(game, 16, 108));
    const Monster& m = game.monster;
    EXPECT_EQ(m.Picture, "mons19");
    EXPECT_EQ(m.Id, 899);
    EXPECT_EQ(m.MaxHp, 550000000);
    EXPECT_EQ(m.Hp, 500000);  // far below its maximum: the laser counts from the maximum
    EXPECT_EQ(m.Attack, 0);
    EXPECT_EQ(m.Special, 1);
    for (double r : m.Resist) EXPECT_EQ(r, 10);
}

TEST(FixedOpponents, OtherEventsLeaveTheOpponentAlone) {
    TestGame t(false);
    Game& game = *t.game;
    MeetAt(game, 5, 0.5);
    for (auto [code, row] : {std::pair{21, 480}, {0, 100}, {20, 40}, {24, 478}, {1, 478}}) {
        EXPECT_FALSE(IsFixedOpponentEvent(code, row));
        EXPECT_FALSE(SetFixedOpponent(game, code, row));
        EXPECT_EQ(game.monster.Picture, "mons06");
        EXPECT_EQ(game.monster.Id, 2);
    }
}

TEST(MonsterNames, TheKnightNamesTheOpponentAtItsPlace) {
    TestGame t(false);
    Game& game = *t.game;
    game.monster.Picture = "mons04";
    game.Pic.clear();
    DrawMonsterName(game);
    const Pixels shown = game.Pic.pixels();
    game.Pic.clear();
    DrawText(game, "マスク・ド・兄貴", 40, 130);
    EXPECT_EQ(shown.data, game.Pic.pixels().data);

    game.monster.Picture = "mons26";
    game.Pic.clear();
    DrawMonsterName(game);
    const Pixels cactus = game.Pic.pixels();
    game.Pic.clear();
    DrawText(game, "覇王樹", 100, 130);
    EXPECT_EQ(cactus.data, game.Pic.pixels().data);
}

TEST(MonsterNames, PicturesWithoutANameShowNothing) {
    TestGame t(false);
    Game& game = *t.game;
    for (const char* picture : {"mons18", "mons28", "door.jpg", ""}) {
        game.monster.Picture = picture;
        game.Pic.clear();
        DrawMonsterName(game);
        for (uint32_t pixel : game.Pic.pixels().data) ASSERT_EQ(pixel, 0u) << picture;
    }
    game.monster.Picture = "mons01";
    DrawMonsterName(game);
    int lit = 0;
    for (uint32_t pixel : game.Pic.pixels().data) lit += pixel != 0;
    EXPECT_GT(lit, 30);
}

namespace {

void ExpectSameOpponent(const Monster& a, const Monster& b) {
    EXPECT_EQ(a.Picture, b.Picture);
    EXPECT_EQ(a.Id, b.Id);
    EXPECT_EQ(a.Hp, b.Hp);
    EXPECT_EQ(a.MaxHp, b.MaxHp);
    EXPECT_EQ(a.Attack, b.Attack);
    EXPECT_EQ(a.Defence, b.Defence);
    EXPECT_EQ(a.Speed, b.Speed);
    EXPECT_EQ(a.Exp, b.Exp);
    EXPECT_EQ(a.Money, b.Money);
    EXPECT_EQ(a.Special, b.Special);
    EXPECT_EQ(a.Resist, b.Resist);
}

}  // namespace

// Sizing up opponents without meeting them gives exactly the records a
// battle would meet, and draws no random number.
TEST(Encounters, ZoneOpponentsAreTheOnesMet) {
    TestGame t(false);
    Game& game = *t.game;
    for (int zone = 0; zone < 50; ++zone) {
        SCOPED_TRACE("zone " + std::to_string(zone));
        const auto kinds = ZoneOpponents(zone);
        if (zone == 32 || zone > 43) {
            EXPECT_FALSE(kinds);
            continue;
        }
        ASSERT_TRUE(kinds);
        ExpectSameOpponent((*kinds)[0], MeetAt(game, zone * 10 + 5, 0.5));
        ExpectSameOpponent((*kinds)[1], MeetAt(game, zone * 10 + 5, 0.49));
    }
}

TEST(FixedOpponents, SizedUpAsTheyAreMet) {
    TestGame t(false);
    Game& game = *t.game;
    for (const auto& [code, row] : {std::pair{2, 100}, {5, 100}, {6, 100}, {8, 100}, {9, 100}, {16, 420},
                                    {16, 42}, {21, 478}, {23, 300}}) {
        Monster sized;
        ASSERT_TRUE(FillFixedOpponent(sized, code, row));
        ASSERT_TRUE(SetFixedOpponent(game, code, row));
        ExpectSameOpponent(sized, game.monster);
    }
    Monster untouched;
    untouched.Hp = 7;
    EXPECT_FALSE(FillFixedOpponent(untouched, 21, 100));
    EXPECT_EQ(untouched.Hp, 7);
}
