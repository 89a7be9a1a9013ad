#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>

#include "game/core/MapLayers.h"
#include "game/flow/Startup.h"
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

// A kill or a file-size limit in the middle of a save leaves its temporary
// file: the next start clears them, and nothing else.
TEST(Startup, TemporaryFilesOfACutShortWriteAreCleared) {
    TestGame t(false);
    WriteMap(t, 70840);
    const std::string user = t.game->UserDir;
    t.dir.write("saves/マメ太郎", "a save");
    t.dir.write("saves/.tmp-123.part", "half a save");
    t.dir.write(".tmp-99.part", "half the settings");
    t.dir.write("saves/.tmp-keep", "not one of ours");
    std::filesystem::create_directory(user + "/saves/.tmp-1.part");
    zanbora::testing::TempGameDir outside(false);
    outside.write("victim.part", "keep me");
    ASSERT_EQ(symlink((outside.path() + "/victim.part").c_str(), (user + "/saves/.tmp-7.part").c_str()), 0);
    LoadGameData(*t.game);
    EXPECT_FALSE(std::filesystem::exists(user + "/saves/.tmp-123.part"));
    EXPECT_FALSE(std::filesystem::exists(user + "/.tmp-99.part"));
    EXPECT_TRUE(std::filesystem::exists(user + "/saves/マメ太郎"));
    EXPECT_TRUE(std::filesystem::exists(user + "/saves/.tmp-keep"));
    EXPECT_TRUE(std::filesystem::is_directory(user + "/saves/.tmp-1.part"));
    EXPECT_TRUE(std::filesystem::is_symlink(user + "/saves/.tmp-7.part"));
    EXPECT_EQ(zanbora::testing::ReadWholeFile(outside.path() + "/victim.part"), "keep me");
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

// The refusal a player sees for a map.dat that cannot be used: the message
// box names the file and the real reason, and the start-up ends with 2.
static std::string RefusalOf(TestGame& t) {
    const auto start = std::chrono::steady_clock::now();
    const int status = RunUntilEnd([&] { LoadGameData(*t.game); });
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
    EXPECT_EQ(status, 2);
    if (t.platform.messageBoxes.size() != 1u) return "(" + std::to_string(t.platform.messageBoxes.size()) + " boxes)";
    EXPECT_NE(t.platform.messageBoxes[0].find("map.dat"), std::string::npos);
    return t.platform.messageBoxes[0];
}

TEST(Startup, AMapThatIsNoPlainFileIsRefusedWithoutReadingIt) {
    {
        TestGame t(false);
        std::filesystem::create_directory(t.dir.path() + "/map.dat");
        EXPECT_NE(RefusalOf(t).find("ファイルではありません"), std::string::npos);
    }
    {
        TestGame t(false);  // would be read for ever
        ASSERT_EQ(::symlink("/dev/zero", (t.dir.path() + "/map.dat").c_str()), 0);
        EXPECT_NE(RefusalOf(t).find("ファイルではありません"), std::string::npos);
    }
    {
        TestGame t(false);  // would wait for ever for a writer
        ASSERT_EQ(::mkfifo((t.dir.path() + "/map.dat").c_str(), 0644), 0);
        EXPECT_NE(RefusalOf(t).find("ファイルではありません"), std::string::npos);
    }
}

TEST(Startup, AHugeMapIsRefusedFromItsSizeAlone) {
    TestGame t(false);
    const std::string path = t.dir.path() + "/map.dat";
    WriteMap(t, 0);
    ASSERT_EQ(::truncate(path.c_str(), 1L << 30), 0);  // 1 GB, sparse
    EXPECT_NE(RefusalOf(t).find("1073741824 バイト"), std::string::npos);
}

TEST(Startup, AMapThatMayNotBeReadSaysSoRatherThanMissing) {
    TestGame t(false);
    WriteMap(t, 70840);
    const std::string path = t.dir.path() + "/map.dat";
    ASSERT_EQ(::chmod(path.c_str(), 0), 0);
    // Root reads any file: the check runs as an ordinary user in a child.
    const pid_t child = fork();
    if (child == 0) {
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) _exit(3);
        MapLayers map;
        std::string problem;
        if (LoadTerrainFile(path, map, problem)) _exit(4);
        _exit(problem.find("許可されていません") != std::string::npos ? 0 : 5);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
}

TEST(Startup, ASecondCopyOrAnUnusableLockSaysSoBeforeAnyWindow) {
    TestGame t(false);
    WriteMap(t, 70840);
    t.platform.anotherInstanceRunning = true;
    EXPECT_EQ(RunUntilEnd([&] { Form_Load(*t.game); }), 1);
    ASSERT_EQ(t.platform.messageBoxes.size(), 1u);
    EXPECT_EQ(t.platform.messageBoxes[0], "ザンボラ戦記: ザンボラ戦記はすでに起動しています。");
    EXPECT_EQ(t.platform.frameCount(), 0);
    EXPECT_FALSE(t.platform.mainWindowShown) << "not even a window flashes up";

    TestGame u(false);
    WriteMap(u, 70840);
    u.platform.lockUnusable = "the lock is a folder";
    EXPECT_EQ(RunUntilEnd([&] { Form_Load(*u.game); }), 1);
    ASSERT_EQ(u.platform.messageBoxes.size(), 1u);
    EXPECT_NE(u.platform.messageBoxes[0].find("the lock is a folder"), std::string::npos);
    EXPECT_FALSE(u.platform.mainWindowShown);
}

TEST(Startup, TheFirstCopyOpensItsWindowBeforeReadingTheMap) {
    TestGame t(false);
    WriteMap(t, 1000);  // refused, so start-up ends right after the map
    EXPECT_EQ(RunUntilEnd([&] { Form_Load(*t.game); }), 2);
    EXPECT_TRUE(t.platform.mainWindowShown);
    EXPECT_EQ(t.platform.messageBoxes.size(), 1u);
}
