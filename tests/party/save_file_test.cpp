// Saving through the game: where the file goes, what a save counts, what a
// failed save leaves behind, and saves killed half-way.
#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "game/party/SaveFile.h"
#include "game/party/SaveFormat.h"
#include "support/TestGame.h"

using namespace zanbora;
using zanbora::testing::TestGame;
namespace fs = std::filesystem;

namespace {

void MakeHero(Game& game, const std::string& name, double level, int mapValue) {
    game.player.Name = name;
    game.player.Level = level;
    game.player.Job = "町民";
    for (int x = kSaveMapLeft; x <= kSaveMapRight; ++x)
        for (int y = kSaveMapTop; y <= kSaveMapBottom; ++y) game.map.setEvent(x, y, mapValue);
}

}  // namespace

TEST(SaveFile, ASaveCountsItselfFoldsThePlayTimeInAndReadsBack) {
    TestGame t(false);
    Game& game = *t.game;
    MakeHero(game, "マメ太郎", 4, 0);
    game.map.setEvent(30, 40, 21);
    game.player.SaveCount = 2;
    game.player.Progress[12] = 1000;
    game.player.Progress[15] = 61234;  // the best race time
    game.player.PlayClock = game.now();
    t.platform.advance(60000);

    ASSERT_TRUE(WriteSave(game));
    EXPECT_EQ(game.player.SaveCount, 3);
    EXPECT_EQ(game.player.Progress[12].number, 61000);
    EXPECT_EQ(game.player.PlayClock, game.now());
    const std::string path = t.dir.path() + "/saves/マメ太郎";
    ASSERT_TRUE(fs::is_regular_file(path));
    EXPECT_EQ(zanbora::testing::ReadWholeFile(path).substr(0, 5), " 4 \r\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(t.dir.path() + "/saves"), fs::directory_iterator()), 1);

    TestGame other(false);
    fs::create_directories(other.dir.path() + "/saves");
    fs::copy_file(path, other.dir.path() + "/saves/マメ太郎");
    std::string problem;
    ASSERT_EQ(ReadSaveFile(*other.game, "マメ太郎", problem), SaveReadResult::Loaded) << problem;
    EXPECT_EQ(other.game->player.Level, 4);
    EXPECT_EQ(other.game->player.SaveCount, 3);
    EXPECT_EQ(other.game->player.Progress[12].number, 61000);
    EXPECT_EQ(other.game->player.Progress[15].number, 61234);
    EXPECT_EQ(other.game->map.eventAt(30, 40), 21);
}

TEST(SaveFile, AMissingSaveIsANewHeroAndADamagedOneIsSaidToBeDamaged) {
    TestGame t(false);
    std::string problem;
    t.game->player.Level = 1;
    EXPECT_EQ(ReadSaveFile(*t.game, "だれ", problem), SaveReadResult::Missing);
    t.dir.write("saves/こわれ", " 1 \r\n 50 \r\n");
    EXPECT_EQ(ReadSaveFile(*t.game, "こわれ", problem), SaveReadResult::Damaged);
    EXPECT_EQ(problem, "途中で終わっています");
    EXPECT_EQ(t.game->player.Level, 1);
}

// Writing stops short when the file may only grow to 100 bytes: the same
// refusal a full disk gives. Root ignores folder permissions, a size limit not.
TEST(SaveFile, ASaveThatCannotBeWrittenSaysSoAndKeepsTheOldSave) {
    TestGame t(false);
    Game& game = *t.game;
    MakeHero(game, "マメ次郎", 7, 3);
    ASSERT_TRUE(WriteSave(game));
    const std::string path = t.dir.path() + "/saves/マメ次郎";
    const std::string before = zanbora::testing::ReadWholeFile(path);

    game.player.Level = 8;
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    rlimit small = old;
    small.rlim_cur = 100;
    auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &small);
    const bool written = WriteSave(game);
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(written);
    EXPECT_EQ(zanbora::testing::ReadWholeFile(path), before);
    EXPECT_EQ(game.player.SaveCount, 1) << "the failed save is not counted";
    ASSERT_EQ(t.platform.messageBoxes.size(), 1u);
    EXPECT_NE(t.platform.messageBoxes[0].find("セーブできませんでした。"), std::string::npos);
    EXPECT_NE(t.platform.messageBoxes[0].find(path), std::string::npos);
    EXPECT_EQ(std::distance(fs::directory_iterator(t.dir.path() + "/saves"), fs::directory_iterator()), 1)
        << "no temporary file stays behind";
}

TEST(SaveFile, ASaveFolderThatIsNotAFolderIsReportedNotWrittenThrough) {
    TestGame t(false);
    t.dir.write("saves", "a file where the folder should be");
    MakeHero(*t.game, "マメ三郎", 2, 0);
    EXPECT_FALSE(WriteSave(*t.game));
    ASSERT_EQ(t.platform.messageBoxes.size(), 1u);
    EXPECT_EQ(zanbora::testing::ReadWholeFile(t.dir.path() + "/saves"), "a file where the folder should be");
}

// A child saves two heroes in turn without end and is killed at a random
// moment; whatever moment it was, the save on the disk is one of the two,
// whole.
TEST(SaveFile, KillingTheGameWhileItSavesNeverLeavesADamagedSave) {
    TestGame t(false);
    Game& game = *t.game;
    MakeHero(game, "不死身", 5, 1);
    ASSERT_TRUE(WriteSave(game));
    std::mt19937 random(7);
    int oldSeen = 0, newSeen = 0;
    for (int round = 0; round < 100; ++round) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (int i = 0;; ++i) {
                if (i % 2 == 0) MakeHero(game, "不死身", 9, 2);
                else MakeHero(game, "不死身", 5, 1);
                WriteSave(game);
            }
        }
        usleep(useconds_t(random() % 30000));
        kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);

        Player hero;
        MapLayers map;
        std::string problem;
        ASSERT_TRUE(ParseSave(zanbora::testing::ReadWholeFile(t.dir.path() + "/saves/不死身"), hero, map, problem))
            << "round " << round << ": " << problem;
        const int cell = map.eventAt(50, 300);
        ASSERT_TRUE((hero.Level == 5 && cell == 1) || (hero.Level == 9 && cell == 2)) << "round " << round;
        (hero.Level == 5 ? oldSeen : newSeen) += 1;
    }
    RecordProperty("old", oldSeen);
    RecordProperty("new", newSeen);
}

TEST(SaveFile, AHeroWithoutAProperNameIsNotSavedAnywhere) {
    TestGame t(false);
    for (const char* name : {"", "../escape"}) {
        t.game->player.Name = name;
        EXPECT_FALSE(WriteSave(*t.game)) << name;
    }
    EXPECT_EQ(t.platform.messageBoxes.size(), 2u);
    EXPECT_FALSE(fs::exists(t.dir.path() + "/escape"));
    EXPECT_FALSE(fs::exists(t.dir.path() + "/saves"));
}
