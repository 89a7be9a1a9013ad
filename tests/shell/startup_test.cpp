#include <gtest/gtest.h>

#include "game/shell/Startup.h"
#include "support/TestGame.h"

using namespace zanbora;
using zanbora::testing::RunUntilEnd;
using zanbora::testing::TestGame;

namespace {

void WriteMap(const TestGame& t, size_t bytes) {
    std::string map(bytes, '\x06');
    if (bytes > 3) map[3] = '\x0c';
    t.dir.write("map.dat", map);
}

}  // namespace

TEST(Startup, ReadsTheMapAndTheLastNameAndDrawSkip) {
    TestGame t(false);
    WriteMap(t, 70840);
    t.dir.write("name.ini", "\x83\x7d\x83\x81\x91\xbe\r\n3\r\n");  // マメ太 in Shift_JIS
    LoadGameData(*t.game);
    EXPECT_EQ(t.game->start.Text1, "マメ太");
    EXPECT_EQ(t.game->clock.DrawSkip, 3);
    EXPECT_EQ(t.game->map.terrainAt(3, 0), 12);
    EXPECT_EQ(t.game->map.terrainAt(139, 505), 6);
}

TEST(Startup, WithoutNameIniTheHeroIsTheFakeBeanAtDrawSkipOne) {
    TestGame t(false);
    WriteMap(t, 70840);
    LoadGameData(*t.game);
    EXPECT_EQ(t.game->start.Text1, "偽マメ");
    EXPECT_EQ(t.game->clock.DrawSkip, 1);
    EXPECT_TRUE(t.platform.messageBoxes.empty());
}

TEST(Startup, ABrokenDrawSkipFallsBackToOne) {
    TestGame t(false);
    WriteMap(t, 70840);
    t.dir.write("name.ini", "taro\r\n-4\r\n");
    LoadGameData(*t.game);
    EXPECT_EQ(t.game->start.Text1, "taro");
    EXPECT_EQ(t.game->clock.DrawSkip, 1);
}

TEST(Startup, SetsTheNewHeroValues) {
    TestGame t(false);
    WriteMap(t, 70840);
    Game& game = *t.game;
    game.player.Level = 9;
    game.player.Money = 3;
    game.GameState = "load";
    LoadGameData(game);
    EXPECT_EQ(game.player.Level, 1);
    EXPECT_EQ(game.player.Hp, 50);
    EXPECT_EQ(game.player.MaxMp, 10);
    EXPECT_EQ(game.player.Money, 100000);
    EXPECT_EQ(game.player.HeroX, 53.5);
    EXPECT_EQ(game.player.HeroY, 480.5);
    EXPECT_EQ(game.player.Progress[0], 1);
    EXPECT_EQ(game.player.Progress[19], 53.5);
    EXPECT_EQ(game.GameState, "MOVE");
    EXPECT_EQ(game.monster.Id, 2);
    EXPECT_NEAR(game.field.SinTab[20], 1.0, 1e-12);   // 90 degrees
    EXPECT_NEAR(game.field.CosTab[80], 1.0, 1e-12);   // 360 degrees
    EXPECT_EQ(game.field.SinTab[0], 0);
}

TEST(Startup, AMissingMapSaysSoAndEndsWithAnErrorStatus) {
    TestGame t(false);
    EXPECT_EQ(RunUntilEnd([&] { LoadGameData(*t.game); }), 2);
    ASSERT_EQ(t.platform.messageBoxes.size(), 1u);
    EXPECT_NE(t.platform.messageBoxes[0].find("map.dat"), std::string::npos);
    EXPECT_NE(t.platform.messageBoxes[0].find("見つかりません"), std::string::npos);
}

TEST(Startup, AMapOfTheWrongSizeIsRefusedWithoutReadingPastIt) {
    TestGame t(false);
    WriteMap(t, 1000);
    EXPECT_EQ(RunUntilEnd([&] { LoadGameData(*t.game); }), 2);
    ASSERT_EQ(t.platform.messageBoxes.size(), 1u);
    EXPECT_NE(t.platform.messageBoxes[0].find("1000"), std::string::npos);
    WriteMap(t, 70841);
    EXPECT_EQ(RunUntilEnd([&] { LoadGameData(*t.game); }), 2);
}

TEST(Startup, ASecondCopyEndsSilently) {
    TestGame t(false);
    WriteMap(t, 70840);
    t.platform.anotherInstanceRunning = true;
    EXPECT_EQ(RunUntilEnd([&] { Form_Load(*t.game); }), 0);
    EXPECT_TRUE(t.platform.messageBoxes.empty());
    EXPECT_EQ(t.platform.frameCount(), 0);
    EXPECT_FALSE(t.platform.mainWindowShown) << "not even a window flashes up";
}

TEST(Startup, TheFirstCopyOpensItsWindowBeforeReadingTheMap) {
    TestGame t(false);
    WriteMap(t, 1000);  // refused, so start-up ends right after the map
    EXPECT_EQ(RunUntilEnd([&] { Form_Load(*t.game); }), 2);
    EXPECT_TRUE(t.platform.mainWindowShown);
    EXPECT_EQ(t.platform.messageBoxes.size(), 1u);
}
