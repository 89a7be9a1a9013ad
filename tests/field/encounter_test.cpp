// The random-encounter countdown of newly entered ordinary cells.
#include "field_fixture.h"

namespace zanbora::testing {
namespace {

using EncounterTest = FieldTest;

TEST_F(EncounterTest, EveryCellEnteredCountsOnce) {
    game().field.EncounterSteps = 100;
    standIn(40, 300);
    walkInto("R");
    walkInto("L");
    walkInto("R");
    EXPECT_EQ(game().field.EncounterSteps, 97);
    frames(20);
    EXPECT_EQ(game().field.EncounterSteps, 97) << "standing still counts nothing";
}

TEST_F(EncounterTest, TheStartAreaSouthOfRow440IsSafe) {
    standIn(40, 441);
    for (int i = 0; i < 30; ++i) {
        game().field.EncounterSteps = 1;
        walkInto(i % 2 ? "L" : "R");
        ASSERT_EQ(game().GameState, "MOVE");
        EXPECT_EQ(game().field.EncounterSteps, 10);
    }
    standIn(40, 440);
    game().field.EncounterSteps = 1;
    walkInto("R");
    EXPECT_EQ(game().GameState, "BATTLE") << "row 440 itself is not safe";
}

TEST_F(EncounterTest, Codes100To199NeitherCountNorFight) {
    for (int code : {100, 150, 199}) {
        game().map.setEvent(41, 300, code);
        standIn(40, 300);
        game().field.EncounterSteps = 1;
        walkInto("R");
        EXPECT_EQ(game().GameState, "MOVE") << code;
        EXPECT_EQ(game().field.EncounterSteps, 1) << code;
    }
    game().map.setEvent(41, 300, 200);
    standIn(40, 300);
    walkInto("R");
    EXPECT_EQ(game().GameState, "BATTLE") << "200 is an ordinary cell again";
}

TEST_F(EncounterTest, AtZeroTheBandsOpponentAppears) {
    standIn(40, 205);
    game().field.EncounterSteps = 2;
    walkInto("R");
    EXPECT_EQ(game().GameState, "MOVE");
    walkInto("R");
    ASSERT_EQ(game().GameState, "BATTLE");
    EXPECT_TRUE(game().monster.Picture == "mons18" || game().monster.Picture == "mons03") << game().monster.Picture;
    EXPECT_EQ(game().monster.Hp, game().monster.MaxHp);
    EXPECT_GE(game().field.EncounterSteps, 5);
    EXPECT_LE(game().field.EncounterSteps, 31);
    EXPECT_EQ(game().field.Cursor, 0);
    EXPECT_EQ(footCellX(), 42) << "the hero is back at his stored position";
}

TEST_F(EncounterTest, TheOpponentComesFromTheStoredRowAndTheMusicFromTheFeet) {
    // Feet on row 380 (the quiet area starts above 380), stored row 379.6.
    standIn(40, 380);
    game().field.EncounterSteps = 1;
    walkInto("R");
    ASSERT_EQ(game().GameState, "BATTLE");
    EXPECT_TRUE(game().monster.Picture == "mons17" || game().monster.Picture == "mons16") << game().monster.Picture;
    for (const std::string& line : tg.platform.soundLog) EXPECT_EQ(line.find("music"), std::string::npos) << line;
    EXPECT_EQ(footCellX(), 41);
    EXPECT_EQ(footCellY(), 380);

    // One row further north the feet stand outside it: battle music.
    standIn(40, 379);
    game().GameState = "MOVE";
    game().field.EncounterSteps = 1;
    walkInto("R");
    ASSERT_EQ(game().GameState, "BATTLE");
    EXPECT_EQ(soundCount("data0.mid"), 1);
}

TEST_F(EncounterTest, Band32FightsThePreviousOpponentAgainAtFullHp) {
    Monster& m = game().monster;
    m.Picture = "mons21";
    m.Id = 14;
    m.MaxHp = 600;
    m.Hp = 12;
    m.Attack = 150;
    m.Resist[1] = 0.7;
    standIn(40, 325);
    game().field.EncounterSteps = 1;
    walkInto("R");
    ASSERT_EQ(game().GameState, "BATTLE");
    EXPECT_EQ(m.Picture, "mons21");
    EXPECT_EQ(m.Id, 14);
    EXPECT_EQ(m.Hp, 600);
    EXPECT_EQ(m.Attack, 150);
    for (double r : m.Resist) EXPECT_EQ(r, 1);
}

}  // namespace
}  // namespace zanbora::testing
