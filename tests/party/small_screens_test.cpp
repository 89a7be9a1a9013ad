// The mascot, SimBone and knowledge screens.
#include <gtest/gtest.h>

#include <cmath>

#include "game/core/Frame.h"
#include "game/party/FieldMenu.h"
#include "game/party/KnowledgeScreen.h"
#include "game/party/MascotScreen.h"
#include "game/party/SimBoneScreen.h"
#include "party_fixture.h"

using namespace zanbora;
using zanbora::testing::PartyTest;

namespace {

class SmallScreensTest : public PartyTest {
protected:
    SmallScreensTest() { game().player.Job = "町民"; }
    void mascots(const std::string& steps) {
        game().field.Cursor = game().player.Progress[16] - 1;
        script(steps, 80);
        stt(game());
    }
};

}  // namespace

TEST_F(SmallScreensTest, WithNoMascotOnlyTakingOffCanBeChosen) {
    Player& hero = game().player;
    hero.Progress[16] = 0;
    mascots("X..RRRRRRRRRR..X");
    EXPECT_EQ(hero.Progress[16], 0);
    EXPECT_EQ(game().field.Cursor, 0);
    EXPECT_EQ(played("men03"), 1);  // the empty slot took no press
}

TEST_F(SmallScreensTest, AnOwnedMascotGoesAlongAndCancelKeepsTheOldOne) {
    Player& hero = game().player;
    hero.MascotOwned[3] = 1;
    mascots("RRR..X");
    EXPECT_EQ(hero.Progress[16], 4);
    mascots("L.Z");
    EXPECT_EQ(hero.Progress[16], 4);
    EXPECT_EQ(game().field.Cursor, 0);
}

TEST_F(SmallScreensTest, AMascotSlotThatIsNoSlotOfTheScreenStartsOnTheFirst) {
    Player& hero = game().player;
    hero.MascotOwned[0] = 1;
    for (double slot : {100.0, -5.0, 12.0, 0.5, 1e18}) {
        SCOPED_TRACE(slot);
        hero.Progress[16] = slot;
        mascots("..X");
        EXPECT_EQ(hero.Progress[16], 1) << "the cursor started on the first mascot";
    }
}

TEST_F(SmallScreensTest, ARefusedMascotPressDoesNotReopenTheScreenFromTheMenu) {
    game().field.Cursor = 0;
    script("DX..H..Z....Z", 70);
    MenuN(game());
    EXPECT_EQ(played("men03"), 1);  // only the menu's own decide
    EXPECT_EQ(game().player.Progress[16], 0);
}

TEST_F(SmallScreensTest, SimBoneTradesOneLevelOfAStatForBone) {
    Player& hero = game().player;
    hero.MaxHp = hero.Hp = 55;
    hero.GrowHp = 7;
    hero.BoneRate = 1.3;
    EXPECT_TRUE(TradeForBone(game(), 0));
    EXPECT_EQ(hero.MaxHp, 48);
    EXPECT_EQ(hero.Hp, 48);
    EXPECT_DOUBLE_EQ(hero.Bone, 1.3);
    EXPECT_FALSE(TradeForBone(game(), 0));
    EXPECT_EQ(hero.MaxHp, 48);

    hero.MaxMp = 17;
    hero.Mp = 5;
    hero.GrowMp = 7;
    EXPECT_TRUE(TradeForBone(game(), 4));
    EXPECT_EQ(hero.MaxMp, 10);
    EXPECT_EQ(hero.Mp, 5);
    EXPECT_FALSE(TradeForBone(game(), 4));

    hero.Speed = 6;
    hero.GrowSpeed = 0;  // no growth, no trade
    EXPECT_FALSE(TradeForBone(game(), 1));
}

TEST_F(SmallScreensTest, TheTownsmansBoneAndItsRanks) {
    Player& hero = game().player;
    hero.BoneRate = 1.3;
    hero.GrowAttack = 1;
    hero.Attack = 100;
    for (int i = 0; i < 16; ++i) ASSERT_TRUE(TradeForBone(game(), 3));
    EXPECT_EQ(Int(hero.Bone), 20);
    EXPECT_STREQ(BoneRankOf(hero.Bone).name, "平民骨");
    ASSERT_TRUE(TradeForBone(game(), 3));
    EXPECT_EQ(Int(hero.Bone), 22);
    EXPECT_STREQ(BoneRankOf(hero.Bone).name, "兵隊骨");
    EXPECT_STREQ(BoneRankOf(400).name, "霜降り骨");
    EXPECT_EQ(BoneRankOf(400).x, 120);
    EXPECT_STREQ(BoneRankOf(401).name, "超骨");
    EXPECT_STREQ(BoneRankOf(901).name, "超骨4");
    EXPECT_STREQ(BoneRankOf(0).name, "平民骨");
}

TEST_F(SmallScreensTest, TheRingShowsTheTradedStatInTheRedFrame) {
    const Surface& ch = game().sheets.ch;
    for (int turns = 0; turns < 5; ++turns) {
        SCOPED_TRACE(turns);
        std::string steps = ".";
        for (int i = 0; i < turns; ++i) steps += "L" + std::string(14, '.');
        script(steps + "..Z", 70);
        SimB(game());
        const int c = Int(game().field.Cursor);
        EXPECT_EQ(c, turns);
        const int icon = (5 - c) % 5;
        EXPECT_EQ(IconInFrame(c), icon);
        // At the top of the ring: angle 0, or 6.25 once the ring has turned.
        const double angle = 1.25 * (c + icon);
        const int left = Int(150 - 70 * std::sin(angle)), top = Int(135 - 70 * std::cos(angle));
        EXPECT_GE(left, 145);
        EXPECT_LE(left + 32, 187);
        int same = 0, lit = 0;
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 32; ++x) {
                const uint32_t want = ch.at(32 * icon + x, 256 + y);
                lit += want != 0;
                same += game().Pic.at(left + x, top + y) == want;
            }
        EXPECT_GT(lit, 0);
        EXPECT_EQ(same, 8 * 32);
    }
}

TEST_F(SmallScreensTest, RightTurnsTheRingBackwardsAndWraps) {
    script(".R" + std::string(14, '.') + "Z", 70);
    SimB(game());
    EXPECT_EQ(game().field.Cursor, 4);
}

TEST_F(SmallScreensTest, DecideInSimBoneTradesTheStatInTheFrame) {
    Player& hero = game().player;
    hero.MaxHp = hero.Hp = 64;
    hero.GrowHp = 7;
    hero.BoneRate = 1.3;
    script("..X..Z", 70);
    SimB(game());
    EXPECT_EQ(hero.MaxHp, 57);
    EXPECT_DOUBLE_EQ(hero.Bone, 1.3);
}

TEST_F(SmallScreensTest, KnowledgeHasFourPagesAndCancelLeavesAtOnce) {
    game().field.Cursor = 0;
    script("wXwXwXwX", 30);
    Tisiki(game());
    EXPECT_EQ(game().field.Cursor, 0);
    EXPECT_EQ(game().keys.KeyDecide, false);

    game().field.Cursor = 0;
    script("wXwZ", 30);
    Tisiki(game());
    EXPECT_EQ(game().field.Cursor, 0);
    EXPECT_FALSE(game().keys.KeyAct);
}
