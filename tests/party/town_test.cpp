// Towns: the inn, the training hall and the hearsay.
#include <gtest/gtest.h>

#include "game/core/Frame.h"
#include "game/party/JobTables.h"
#include "game/party/Town.h"
#include "game/party/TrainingHall.h"
#include "party_fixture.h"

using namespace zanbora;
using zanbora::testing::PartyTest;

namespace {

class TownTest : public PartyTest {
protected:
    TownTest() {
        game().player.Job = "勇者マメ";
        ApplyJobTables(game());
    }
    // The keys after twenty idle frames, while the town screen comes up.
    void scriptAfterPause(const char* keys) {
        std::string text(20, '.');
        text += keys;
        script(text, 100);
    }
    void stayAtInn() {
        script(std::string(60, '.'), 100);
        game().field.Cursor = 0;
        ymen(game());
    }
    // Lit pixels of the last frame in the text area of a town row.
    int litInRow(int y) const {
        const Pixels& frame = tg.platform.lastFrame();
        int lit = 0;
        for (int py = y; py < y + 16; ++py)
            for (int px = 50; px < 200; ++px) lit += frame.at(px, py) != 0;
        return lit;
    }
};

}  // namespace

TEST_F(TownTest, TheInnChargesForWhatIsMissingAndAddsADay) {
    Player& hero = game().player;
    EXPECT_EQ(InnPrice(game()), 0);
    stayAtInn();
    EXPECT_EQ(hero.Money, 100000);
    EXPECT_EQ(hero.Days, 2);
    EXPECT_GE(played("men02"), 1);

    hero.MaxHp = 58;
    hero.Hp = 5;
    hero.Mp = hero.MaxMp = 14;
    EXPECT_EQ(InnPrice(game()), 5);
    stayAtInn();
    EXPECT_EQ(hero.Money, 99995);
    EXPECT_EQ(hero.Hp, 58);
    EXPECT_EQ(hero.Days, 3);

    hero.Hp = 1;
    hero.Mp = 0;
    hero.Money = 3;  // less than 5 + 1
    stayAtInn();
    EXPECT_EQ(hero.Money, 0);
    EXPECT_EQ(hero.Hp, 58);
    EXPECT_EQ(hero.Mp, 14);
}

TEST_F(TownTest, AHeroSJobTechniqueStopsAtMaxForSomeJobsOnly) {
    Player& hero = game().player;
    hero.Progress[5] = 1;
    EXPECT_EQ(PriceText(game(), 5), "MAX");
    game().field.Cursor = 0;
    script("DDDD.X..X..Z", 100);
    Shop(game());
    EXPECT_EQ(hero.Progress[5], 1);
    EXPECT_EQ(hero.Money, 100000);
    EXPECT_EQ(game().field.Cursor, 1);

    hero.Job = "魔法使";
    ApplyJobTables(game());
    EXPECT_EQ(PriceText(game(), 5), "200銭");
    game().field.Cursor = 0;
    script("DDDD.X..Z", 100);
    Shop(game());
    EXPECT_EQ(hero.Progress[5], 2);
    EXPECT_EQ(hero.Money, 100000 - 200);
    EXPECT_GE(played("men08"), 1);
}

TEST_F(TownTest, TrainingPricesRiseAHundredALevel) {
    Player& hero = game().player;
    EXPECT_EQ(TrainingPrice(game(), 1), 100);
    hero.Progress[3] = 4;
    EXPECT_EQ(TrainingPrice(game(), 3), 500);
    hero.Money = 250;
    game().field.Cursor = 0;
    script("X..X..X..Z", 100);
    Shop(game());
    EXPECT_EQ(hero.Progress[1], 1);  // the second level costs 200 of the 150 left
    EXPECT_EQ(hero.Money, 250 - 100);
}

TEST_F(TownTest, AStayInTownStoresTheReturnPointAndGoesBackToTheFieldMusic) {
    Player& hero = game().player;
    hero.HeroX = 70;
    hero.HeroY = 16.1;
    game().music.BgmFile = "data3.mid";
    scriptAfterPause("Z");
    Yado(game());
    EXPECT_EQ(hero.Progress[19], 70);
    EXPECT_NEAR(hero.Progress[20], 17.1, 1e-9);
    EXPECT_EQ(game().music.BgmFile, "data1.mid");
    EXPECT_FALSE(game().keys.KeyAct);
    EXPECT_EQ(game().battle.HeroDx, 0);
}

TEST_F(TownTest, TheFightingRaceFindsNoTrainingHall) {
    Player& hero = game().player;
    hero.Job = "戦闘民族";
    hero.Progress[7] = 1;
    const int cancels = played("men04");
    scriptAfterPause("D..X...Z");
    Yado(game());
    EXPECT_EQ(played("men04"), cancels);  // the hall (which says goodbye with men04) never opened
    scriptAfterPause("Z");
    Yado(game());
    EXPECT_EQ(litInRow(100), 0);
}

TEST_F(TownTest, ARefusedPurchaseDoesNotReopenTheHallAfterLeaving) {
    Player& hero = game().player;
    hero.Money = 50;
    // Into the hall, hold X on a row too dear, cancel while still holding it.
    scriptAfterPause("D..X....H..Z....Z");
    Yado(game());
    EXPECT_EQ(played("men04"), 1);  // the hall closed once and was not entered again
    EXPECT_EQ(hero.Money, 50);
}

TEST_F(TownTest, HearsayDependsOnTheTownsRow) {
    EXPECT_STREQ(TownInfoLines(17)[0], "南へ行くほど強い魔物が生息している。");
    EXPECT_STREQ(TownInfoLines(389)[0], "なんて事だ。ここは最北端の町らしい。");
    EXPECT_STREQ(TownInfoLines(100)[0], "たいした情報は得られなかった。");
    EXPECT_STREQ(TownInfoLines(100)[1], "");
    game().player.HeroY = 16.2;  // row int(16.2 + 0.9) = 17
    script("wX", 100);
    const int clicks = played("men12");
    ShowTownInfo(game());
    EXPECT_GT(played("men12") - clicks, 40);  // three lines typed
}
