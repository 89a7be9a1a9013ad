// The crystal ball: the power it reads, the number it shows, and the
// three-word password that follows from the power alone.
#include <set>

#include "game/story/Password.h"
#include "game/story/PowerReading.h"
#include "story_fixture.h"

namespace zanbora::testing {
namespace {

using PowerReadingTest = StoryTest;

void SetStats(Player& hero, double hp, double mp, double attack, double defence, double speed) {
    hero.MaxHp = hp;
    hero.MaxMp = mp;
    hero.Attack = attack;
    hero.Defence = defence;
    hero.Speed = speed;
}

TEST_F(PowerReadingTest, TheNewHeroIsShownSevenAndThePasswordOfPowerTwo) {
    SetStats(game().player, 50, 10, 10, 5, 5);
    EXPECT_EQ(PowerOf(game().player), 2);
    game().map.setEvent(40, 20, 25);
    TalkTo(40, 20);
    EXPECT_TRUE(Shown("マメ様、こんにちは。", 290));
    EXPECT_TRUE(Shown("ハァーーーーーーーーーーーーーーーーー", 310));
    EXPECT_TRUE(Shown("あなたの戦闘力は", 290));
    EXPECT_TRUE(Shown("7で、ございます。パスワードは", 310));
    EXPECT_TRUE(Shown("「地球が冒険して居合い切り」です。", 330));
    EXPECT_EQ(game().map.eventAt(40, 20), 25) << "the ball stays for the next reading";
}

TEST_F(PowerReadingTest, FractionalStatisticsEnterUnroundedAndOnlyTheQuotientIsCut) {
    SetStats(game().player, 50.5, 10, 10, 5, 5);  // 25250 + 5
    EXPECT_EQ(PowerOf(game().player), 2);
    SetStats(game().player, 99.99, 10.5, 10, 10, 0.5);  // 104989.5 + 0.5 = 104990
    EXPECT_EQ(PowerOf(game().player), 10);
    SetStats(game().player, 100, 10, 10, 10, 0);
    EXPECT_EQ(PowerOf(game().player), 10);
    SetStats(game().player, 99.999, 10, 10, 10, 0);
    EXPECT_EQ(PowerOf(game().player), 9);
}

TEST_F(PowerReadingTest, TheSameHeroGetsTheSamePasswordWhateverHappenedBetween) {
    const std::string first = MakePassword(game(), 1234);
    for (int i = 0; i < 17; ++i) game().Rnd();
    tg.platform.advance(5000);
    EXPECT_EQ(MakePassword(game(), 1234), first);
    game().rng.pinned = {0.99, 0.99, 0.99};
    EXPECT_EQ(MakePassword(game(), 1234), first) << "draws a test or a scene lined up are not used";
}

TEST_F(PowerReadingTest, ChanceAfterAReadingDoesNotFollowFromThePower) {
    MakePassword(game(), 77);
    const double afterFirst = game().Rnd();
    tg.platform.advance(1);
    MakePassword(game(), 77);
    EXPECT_NE(game().Rnd(), afterFirst);
}

TEST_F(PowerReadingTest, EveryPasswordIsAWordThenGaThenTwoWords) {
    std::set<std::string> all;
    std::set<std::string> shapes;
    for (const char* a : FirstWord)
        for (const char* b : SecondWord)
            for (const char* c : ThirdWord) shapes.insert(std::string(a) + "が" + b + c);
    for (int64_t power = 0; power < 3000; ++power) {
        const std::string password = MakePassword(game(), power);
        EXPECT_TRUE(shapes.count(password)) << power << ": " << password;
        all.insert(password);
    }
    EXPECT_GT(all.size(), 2000u) << "the powers spread over the words";
}

// Players compare these: a power must read the same words on every build
// and every later version of the game.
TEST_F(PowerReadingTest, KnownPowersReadTheirKnownWords) {
    EXPECT_EQ(MakePassword(game(), 0), "フデオがグヘヘヘさようなら");
    EXPECT_EQ(MakePassword(game(), 2), "地球が冒険して居合い切り");
    EXPECT_EQ(MakePassword(game(), 1234), "パパが爆発してご飯食べた");
    EXPECT_EQ(MakePassword(game(), 59999), "ホネが笑ってコンバンワ");
    EXPECT_EQ(MakePassword(game(), 4400000000), "マメ王が眠って微笑んだ") << "a power past 32 bits";
}

TEST_F(PowerReadingTest, KnownSeedsGiveTheirKnownClearPasswords) {
    EXPECT_EQ(MakeClearPassword(game(), 0), "?=!=M\x1e" "4&N@;") << "code 30 is a character too";
    EXPECT_EQ(MakeClearPassword(game(), 59999), "#,\x1e.M*C/\x1eOE");
}

}  // namespace
}  // namespace zanbora::testing
