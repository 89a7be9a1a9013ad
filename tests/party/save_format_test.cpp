// The save file's bytes: a hero worked out by hand, round trips of awkward
// values, and the faults the reader must refuse.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "game/party/SaveFormat.h"

using namespace zanbora;

namespace {

// A hero in the middle of the game, with a negative, fractions below one, a
// text progress slot and a few things on the map.
Player HandHero() {
    Player h;
    h.Level = 3;
    h.MaxHp = 62;
    h.Hp = 40;
    h.Attack = 12.5;
    h.Defence = 7;
    h.Speed = 6;
    h.Exp = 30;
    h.Wins = 4;
    h.SaveCount = 2;
    h.Spare = -5;
    h.Mp = 8;
    h.MaxMp = 14;
    h.Days = 3;
    h.Money = 1234;
    h.Skill = 1;
    h.HeroX = 53.5;
    h.HeroY = 480.5;
    h.Bone = 0;
    h.GrowHp = 6;
    h.GrowMp = 2;
    h.GrowAttack = 1;
    h.GrowDefence = 1;
    h.GrowSpeed = 0.5;
    h.BoneRate = 0.3;
    h.Job = "町民";
    for (auto& slot : h.Progress) slot = 0;
    h.Progress[0] = 1;
    h.Progress[1] = 2;
    h.Progress[11] = 1;
    h.Progress[12] = 3600000;
    h.Progress[16] = 3;
    h.Progress[18] = std::string("mons10");
    h.Progress[19] = 53.5;
    h.Progress[20] = 480.5;
    h.MascotOwned = {};
    for (int i : {0, 3, 9, 20}) h.MascotOwned[size_t(i)] = 1;
    return h;
}

MapLayers HandMap() {
    MapLayers map;
    map.setEvent(10, 10, 5);
    map.setEvent(10, 11, 5);
    map.setEvent(11, 20, 7);
    map.setEvent(90, 590, 3);
    map.setEvent(5, 5, 9);     // left of the saved region
    map.setEvent(50, 595, 9);  // below it
    return map;
}

std::string Bytes(const Player& hero, const MapLayers& map) {
    std::string bytes, problem;
    EXPECT_TRUE(SaveFileBytes(hero, map, bytes, problem)) << problem;
    return bytes;
}

// Replaces the text of line `number` (1-based).
std::string WithLine(const std::string& bytes, int number, const std::string& text) {
    size_t start = 0;
    for (int i = 1; i < number; ++i) start = bytes.find("\r\n", start) + 2;
    const size_t end = bytes.find("\r\n", start);
    return bytes.substr(0, start) + text + bytes.substr(end);
}

void ExpectSameHero(const Player& a, const Player& b) {
    EXPECT_EQ(a.Level, b.Level);
    EXPECT_EQ(a.MaxHp, b.MaxHp);
    EXPECT_EQ(a.Hp, b.Hp);
    EXPECT_EQ(a.Attack, b.Attack);
    EXPECT_EQ(a.Defence, b.Defence);
    EXPECT_EQ(a.Speed, b.Speed);
    EXPECT_EQ(a.Exp, b.Exp);
    EXPECT_EQ(a.Wins, b.Wins);
    EXPECT_EQ(a.SaveCount, b.SaveCount);
    EXPECT_EQ(a.Spare, b.Spare);
    EXPECT_EQ(a.Mp, b.Mp);
    EXPECT_EQ(a.MaxMp, b.MaxMp);
    EXPECT_EQ(a.Days, b.Days);
    EXPECT_EQ(a.Money, b.Money);
    EXPECT_EQ(a.Skill, b.Skill);
    EXPECT_EQ(a.HeroX, b.HeroX);
    EXPECT_EQ(a.HeroY, b.HeroY);
    EXPECT_EQ(a.Bone, b.Bone);
    EXPECT_EQ(a.GrowHp, b.GrowHp);
    EXPECT_EQ(a.GrowMp, b.GrowMp);
    EXPECT_EQ(a.GrowAttack, b.GrowAttack);
    EXPECT_EQ(a.GrowDefence, b.GrowDefence);
    EXPECT_EQ(a.GrowSpeed, b.GrowSpeed);
    EXPECT_EQ(a.BoneRate, b.BoneRate);
    EXPECT_EQ(a.Job, b.Job);
    for (size_t i = 0; i < a.Progress.size(); ++i) {
        EXPECT_EQ(a.Progress[i].isText, b.Progress[i].isText) << "slot " << i;
        EXPECT_EQ(a.Progress[i].number, b.Progress[i].number) << "slot " << i;
        EXPECT_EQ(a.Progress[i].text, b.Progress[i].text) << "slot " << i;
    }
    EXPECT_EQ(a.MascotOwned, b.MascotOwned);
}

// A save that must be refused: the reason is the one given, and neither the
// hero nor (when asked) the map took anything from it.
void ExpectRefused(const std::string& bytes, const std::string& reason, const char* what, bool checkMap = true) {
    Player read;
    read.Level = 77;
    MapLayers map;
    std::string problem;
    EXPECT_FALSE(ParseSave(bytes, read, map, problem)) << what;
    EXPECT_EQ(problem, reason) << what;
    EXPECT_EQ(read.Level, 77) << what;
    if (checkMap) {
        EXPECT_EQ(map.eventAt(10, 10), 0) << what;
    }
}

}  // namespace

TEST(SaveFormat, NumbersAreWrittenWithTheirBlanksAndWithoutALeadingZero) {
    EXPECT_EQ(SaveNumberText(5), " 5 ");
    EXPECT_EQ(SaveNumberText(-5), "-5 ");
    EXPECT_EQ(SaveNumberText(0.3), " .3 ");
    EXPECT_EQ(SaveNumberText(-0.25), "-.25 ");
    EXPECT_EQ(SaveNumberText(0), " 0 ");
    EXPECT_EQ(SaveNumberText(-0.0), " 0 ");
    EXPECT_EQ(SaveNumberText(100000), " 100000 ");
    EXPECT_EQ(SaveNumberText(12.5), " 12.5 ");
    EXPECT_EQ(SaveNumberText(1.0 / 3), " .3333333333333333 ");
    EXPECT_EQ(SaveNumberText(1e20), " 1E+20 ");
}

// Worked out by hand: the check value is
// 3 + 62/9 + 40/10 + 14/3 + 8/2 + 12.5/4 + 7/9 + 6/10 + 0/3 + 30/10 + 1234/4
//   + 6/3 + 2/4 + 1/6 + 1/5 + 0.5/3 + 0.3/2 = 341.74..., so 341.
// The map region, column by column: 5 twice at (10,10) and (10,11), 0 for
// the other 579 cells of column 10 and the first 10 of column 11, the 7 at
// (11,20), then 0 for 570 + 78 x 581 + 580 = 46468 cells, and the 3 in the
// last cell (90,590). The first mascot flag ends the map line.
TEST(SaveFormat, AHeroWorkedOutByHandGivesExactlyTheseBytes) {
    std::string golden =
        " 3 \r\n 62 \r\n 40 \r\n 12.5 \r\n 7 \r\n 6 \r\n 30 \r\n 4 \r\n 2 \r\n-5 \r\n"
        " 8 \r\n 14 \r\n 3 \r\n 1234 \r\n 1 \r\n 53.5 \r\n 480.5 \r\n 0 \r\n"
        " 6 \r\n 2 \r\n 1 \r\n 1 \r\n .5 \r\n .3 \r\n\x92\xac\x96\xaf\r\n"
        " 341 \r\n"
        " 1 \r\n 2 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n"
        " 1 \r\n 3600000 \r\n 0 \r\n 0 \r\n 0 \r\n 3 \r\n 0 \r\nmons10\r\n 53.5 \r\n 480.5 \r\n"
        " 99  0  5  2  0  589  7  1  0  46468  3  1  1 \r\n";
    for (int i = 1; i <= 50; ++i) golden += (i == 3 || i == 9 || i == 20) ? " 1 \r\n" : " 0 \r\n";
    golden += " 4 \r\n";
    EXPECT_EQ(Bytes(HandHero(), HandMap()), golden);
}

TEST(SaveFormat, EveryFieldTheMapAndTheMascotsComeBackBitForBit) {
    Player hero = HandHero();
    hero.Attack = 0.3;
    hero.Defence = 1.0 / 3;
    hero.Speed = -7.125;
    hero.Money = 987654321098.75;
    hero.Exp = 0;
    hero.Hp = -3;
    hero.BoneRate = 2.0 / 3;
    hero.GrowSpeed = 1e-7;
    hero.Spare = 1e17;
    hero.Bone = 123.0625;
    hero.HeroX = 12.345678901234567;
    hero.Progress[15] = 0.1 + 0.2;
    hero.Progress[13] = std::string("封印の番人");
    hero.Progress[14] = -2.5;
    for (size_t i = 0; i < hero.MascotOwned.size(); ++i) hero.MascotOwned[i] = int(i % 3 == 0);
    MapLayers map;
    std::mt19937 random(42);
    for (auto& cell : map.events) cell = int16_t(random() % 4 == 0 ? random() % 60 : 0);

    const std::string bytes = Bytes(hero, map);
    Player read;
    MapLayers readMap;
    std::string problem;
    ASSERT_TRUE(ParseSave(bytes, read, readMap, problem)) << problem;
    ExpectSameHero(read, hero);
    for (int x = kSaveMapLeft; x <= kSaveMapRight; ++x)
        for (int y = kSaveMapTop; y <= kSaveMapBottom; ++y)
            ASSERT_EQ(readMap.eventAt(x, y), map.eventAt(x, y)) << x << "," << y;
    // Outside the region the map keeps what it had.
    EXPECT_EQ(readMap.eventAt(5, 5), 0);
    EXPECT_EQ(Bytes(read, readMap), bytes);
}

TEST(SaveFormat, TheReaderTakesFractionsWithOrWithoutTheirLeadingZero) {
    const std::string bytes = Bytes(HandHero(), HandMap());
    Player read;
    MapLayers map;
    std::string problem;
    ASSERT_TRUE(ParseSave(WithLine(bytes, 24, "0.3"), read, map, problem)) << problem;
    EXPECT_EQ(read.BoneRate, 0.3);
    ASSERT_TRUE(ParseSave(WithLine(bytes, 23, " 0.5 "), read, map, problem)) << problem;
    EXPECT_EQ(read.GrowSpeed, 0.5);
}

TEST(SaveFormat, AChangedMoneyDigitIsRefusedButDaysAndWinsAreNotChecked) {
    const std::string bytes = Bytes(HandHero(), HandMap());
    ASSERT_NE(bytes.find(" 1234 \r\n"), std::string::npos);
    Player read;
    read.Level = 77;
    MapLayers map;
    std::string problem;
    EXPECT_FALSE(ParseSave(WithLine(bytes, 14, " 1294 "), read, map, problem));
    EXPECT_EQ(problem, "チェック値が合いません");
    EXPECT_EQ(read.Level, 77) << "a refused save changes nothing";
    EXPECT_EQ(map.eventAt(10, 10), 0);

    ASSERT_TRUE(ParseSave(WithLine(bytes, 13, " 9 "), read, map, problem)) << problem;
    EXPECT_EQ(read.Days, 9);
    ASSERT_TRUE(ParseSave(WithLine(bytes, 8, " 400 "), read, map, problem)) << problem;
    EXPECT_EQ(read.Wins, 400);
}

TEST(SaveFormat, AMapOfOneValueIsTheHeaderAndOneRun) {
    MapLayers map;
    for (auto& cell : map.events) cell = 12;
    const std::string bytes = Bytes(HandHero(), map);
    EXPECT_NE(bytes.find("\r\n 99  0  12  47061  1 \r\n"), std::string::npos);
    EXPECT_EQ(kSaveMapCells, 81 * 581);
}

TEST(SaveFormat, DamagedFilesAreRefusedAndChangeNothing) {
    const std::string good = Bytes(HandHero(), HandMap());
    const size_t mapLine = good.find(" 99  0 ");
    std::string wrongSum = good;
    wrongSum.replace(wrongSum.rfind(" 4 \r\n"), 5, " 5 \r\n");
    std::string mascotFlipped = good;
    mascotFlipped.replace(mascotFlipped.rfind(" 0 \r\n 4 \r\n"), 5, " 1 \r\n");
    const struct {
        const char* what;
        std::string bytes;
        const char* problem;
    } cases[] = {
        {"empty", "", "途中で終わっています"},
        {"cut in the first lines", good.substr(0, 40), "途中で終わっています"},
        {"cut in the map", good.substr(0, mapLine + 20), "途中で終わっています"},
        {"cut in the mascots", good.substr(0, good.size() - 30), "途中で終わっています"},
        {"no sum", good.substr(0, good.size() - 5), "途中で終わっています"},
        {"a word for the level", WithLine(good, 1, "abc"), "1行目の数値が読めません"},
        {"an empty attack", WithLine(good, 4, ""), "4行目の数値が読めません"},
        {"two numbers on a line", WithLine(good, 2, " 62  1 "), "2行目の数値が読めません"},
        {"infinite money", WithLine(good, 14, " inf "), "14行目の数値が読めません"},
        {"a word in the map", good.substr(0, mapLine) + " 99  0  x " + good.substr(mapLine + 7), "読めない数値があります"},
        {"a fraction in the map", good.substr(0, mapLine) + " 99  0  5.5  2 " + good.substr(mapLine + 13),
         "読めない数値があります"},
        {"a run of no cells", good.substr(0, mapLine) + " 99  0  5  0 " + good.substr(mapLine + 13),
         "読めない数値があります"},
        {"a run of fewer than none", good.substr(0, mapLine) + " 99  0  5  -2 " + good.substr(mapLine + 13),
         "読めない数値があります"},
        {"a wrong mascot sum", wrongSum, "マスコットの合計が合いません"},
        {"a mascot flag flipped", mascotFlipped, "マスコットの合計が合いません"},
    };
    for (const auto& c : cases) ExpectRefused(c.bytes, c.problem, c.what);
}

TEST(SaveFormat, TextsThatCouldNotBeReadBackAreNotWritten) {
    MapLayers map;
    std::string bytes = "untouched", problem;
    Player hero = HandHero();
    hero.Job = "町民\r\n 5 ";
    EXPECT_FALSE(SaveFileBytes(hero, map, bytes, problem));
    hero = HandHero();
    hero.Progress[18] = std::string("\U0001F600");
    EXPECT_FALSE(SaveFileBytes(hero, map, bytes, problem));
    hero = HandHero();
    hero.Money = NAN;
    EXPECT_FALSE(SaveFileBytes(hero, map, bytes, problem));
    EXPECT_EQ(problem, "数値が壊れています");
    EXPECT_EQ(bytes, "untouched");
}

// Values no play makes, written with a check value and mascot sum that
// match: the reader refuses them by their line, and changes nothing.
TEST(SaveFormat, ValuesOutOfTheirRangeAreRefusedByTheirLine) {
    const struct {
        const char* what;
        void (*spoil)(Player&);
        int line;
    } cases[] = {
        {"mascot slot 100", [](Player& h) { h.Progress[16] = 100; }, 43},
        {"mascot slot -5", [](Player& h) { h.Progress[16] = -5; }, 43},
        {"mascot slot 12", [](Player& h) { h.Progress[16] = 12; }, 43},
        {"mascot slot 0.5", [](Player& h) { h.Progress[16] = 0.5; }, 43},
        {"mascot slot a word", [](Player& h) { h.Progress[16] = std::string("abc"); }, 43},
        {"left of the map", [](Player& h) { h.HeroX = -1000; }, 16},
        {"far below the map", [](Player& h) { h.HeroY = 1e18; }, 17},
        {"the largest int across", [](Player& h) { h.HeroX = 2147483647; }, 16},
        {"just past the last row", [](Player& h) { h.HeroY = 505.1; }, 17},
        {"a teleport point off the map", [](Player& h) { h.Progress[19] = -50; }, 46},
        {"play time below zero", [](Player& h) { h.Progress[12] = -1e18; }, 39},
        {"play time beyond any play", [](Player& h) { h.Progress[12] = 1e300; }, 39},
        {"race time beyond any play", [](Player& h) { h.Progress[15] = 1e300; }, 42},
        {"a technique that does not exist", [](Player& h) { h.Skill = 8; }, 15},
        {"half a technique", [](Player& h) { h.Skill = 1.5; }, 15},
        {"level 0", [](Player& h) { h.Level = 0; }, 1},
        {"level 2.5", [](Player& h) { h.Level = 2.5; }, 1},
        {"wins below zero", [](Player& h) { h.Wins = -1; }, 8},
        {"money beyond any play", [](Player& h) { h.Money = 1e16; }, 14},
        {"difficulty 2", [](Player& h) { h.Progress[11] = 2; }, 38},
        {"a technique level of a half", [](Player& h) { h.Progress[3] = 0.5; }, 30},
        {"a mascot owned twice", [](Player& h) { h.MascotOwned[5] = 2; }, 53},
    };
    for (const auto& c : cases) {
        Player hero = HandHero();
        c.spoil(hero);
        ExpectRefused(Bytes(hero, HandMap()), std::to_string(c.line) + "行目の数値が範囲外です", c.what);
    }
}

TEST(SaveFormat, TheEdgesOfEachRangeStillLoad) {
    const struct {
        const char* what;
        void (*set)(Player&);
    } cases[] = {
        {"the foot on the first column", [](Player& h) { h.HeroX = -0.5; }},
        {"the foot on the last column", [](Player& h) { h.HeroX = 139.49; }},
        {"the foot on the last row", [](Player& h) { h.HeroY = 505.09; }},
        {"the last mascot along", [](Player& h) { h.Progress[16] = 10; }},
        {"the warrior race's technique", [](Player& h) { h.Skill = 7; }},
        {"no disguise", [](Player& h) { h.Progress[18] = 0; }},
        {"an empty disguise", [](Player& h) { h.Progress[18] = std::string(); }},
        {"a weakened hero", [](Player& h) { h.Attack = -2; }},
        {"a long play", [](Player& h) { h.Progress[12] = 3.6e11; }},
    };
    for (const auto& c : cases) {
        Player hero = HandHero();
        c.set(hero);
        Player read;
        MapLayers map;
        std::string problem;
        EXPECT_TRUE(ParseSave(Bytes(hero, HandMap()), read, map, problem)) << c.what << ": " << problem;
    }
}

// A text line that is not CP932 loads as nothing that could be saved again,
// so the save is refused at once rather than at the next セーブ.
TEST(SaveFormat, TextLinesThatAreNotCp932AreRefused) {
    const std::string good = Bytes(HandHero(), HandMap());
    const struct {
        const char* what;
        std::string bytes;
        const char* problem;
    } cases[] = {
        {"the job in UTF-8", WithLine(good, 25, "町民"), "25行目の文字が読めません"},
        {"a byte no CP932 has in the job", WithLine(good, 25, "\x92\xac\x80"), "25行目の文字が読めません"},
        {"a cut character in the disguise", WithLine(good, 45, "mons\x81"), "45行目の文字が読めません"},
    };
    for (const auto& c : cases) ExpectRefused(c.bytes, c.problem, c.what, false);
    Player read;
    MapLayers map;
    std::string problem;
    ASSERT_TRUE(ParseSave(WithLine(good, 25, "\x83\x6c\x83\x4e\x83\x8d"), read, map, problem)) << problem;
    EXPECT_EQ(read.Job, "ネクロ");
}
