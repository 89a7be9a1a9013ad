// The hall's hosts: the HP pick-me-up, the hard-mode switch and the duel.
#include "game/story/MiniGames.h"
#include "story_fixture.h"

namespace zanbora::testing {
namespace {

using HostTest = StoryTest;

TEST_F(HostTest, TheHpServiceSellsTwentyHpEvenPastTheMaximum) {
    Player& hero = game().player;
    hero.Money = 150;
    hero.Hp = hero.MaxHp = 50;
    HpService(game());
    EXPECT_TRUE(Shown("ユー元気？ミーは元気。", 310));
    EXPECT_EQ(hero.Money, 50);
    EXPECT_EQ(hero.Hp, 70);
    EXPECT_EQ(soundCount("men08"), 1);
    HpService(game());
    EXPECT_EQ(hero.Money, 50) << "not enough money: nothing happens";
    EXPECT_EQ(hero.Hp, 70);
}

TEST_F(HostTest, RefusingAnOfferCostsNothing) {
    Player& hero = game().player;
    hero.Money = 1000;
    hero.Hp = 10;
    game().keys.KeyState[3] = true;  // Down held: the second choice
    HpService(game());
    MirrorDuel(game());
    EXPECT_EQ(hero.Money, 1000);
    EXPECT_EQ(hero.Hp, 10);
    EXPECT_EQ(game().GameState, "MOVE");
}

TEST_F(HostTest, TheModeSwitchGoesBothWaysForFree) {
    Player& hero = game().player;
    hero.Money = 5;
    game().keys.KeyState[3] = true;
    ModeSwitch(game());
    EXPECT_EQ(double(hero.Progress[11]), 1);
    EXPECT_TRUE(Shown("オトコモードはちょびっとだけ敵が強いぞ。", 290));
    game().keys.KeyState[3] = false;
    ModeSwitch(game());
    EXPECT_EQ(double(hero.Progress[11]), 0);
    EXPECT_EQ(hero.Money, 5);
}

TEST_F(HostTest, TheDuelSetsUpTheHerosDoubleForFiveHundredSen) {
    Player& hero = game().player;
    hero.MaxHp = 101;
    hero.Attack = 33;
    hero.Defence = 22;
    hero.Speed = 11;
    hero.Money = 499;
    MirrorDuel(game());
    EXPECT_EQ(game().GameState, "MOVE") << "499 銭 is not enough";
    hero.Money = 500;
    MirrorDuel(game());
    EXPECT_EQ(game().GameState, "BATTLE");
    EXPECT_EQ(hero.Money, 0);
    const Monster& copy = game().monster;
    EXPECT_EQ(copy.Id, 15);
    EXPECT_EQ(copy.Picture, "mons18");
    EXPECT_EQ(copy.MaxHp, 151);
    EXPECT_EQ(copy.Hp, 151);
    EXPECT_EQ(copy.Attack, 33);
    EXPECT_EQ(copy.Defence, 22);
    EXPECT_EQ(copy.Speed, 11);
    EXPECT_EQ(copy.Exp, 0);
    EXPECT_EQ(copy.Money, 0);
    EXPECT_EQ(copy.Special, 0);
    for (size_t i = 0; i < copy.Resist.size(); ++i) EXPECT_EQ(copy.Resist[i], i == 1 ? 0.5 : 1) << i;
}

}  // namespace
}  // namespace zanbora::testing
