// An earlier version kept the player's files in an installed game's folder
// (and settings.ini beside the saves); a new version copies them into the
// player's folders without ever replacing or losing one.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>

#include "platform/OldPlayerFiles.h"
#include "support/TestGame.h"

using namespace zanbora;
using zanbora::testing::ReadWholeFile;
using zanbora::testing::TempGameDir;
namespace fs = std::filesystem;

namespace {

struct OldInstall : ::testing::Test {
    TempGameDir game{false};
    TempGameDir home{false};
    UserDirs dirs{home.path() + "/data", home.path() + "/config"};
};

}  // namespace

TEST_F(OldInstall, CopiesEveryKindOfPlayerFileOnceAndNeverOverAnother) {
    game.write("saves/マメ", "old save of mame");
    game.write("saves/Taro", "old save of taro");
    game.write("saves/.tmp-Taro-1.part", "half a save");
    game.write("screenshots/zanbora-20260101-101010.png", "png");
    game.write("name.ini", "Taro\r\n 1 \r\n");
    game.write("マメ.txt", "clear record");
    game.write("settings.ini", "decide = A\n");
    game.write("map.dat", "the game's own data");
    home.write("data/saves/Taro", "newer save of taro");

    EXPECT_EQ(CopyOldPlayerFiles(game.path(), dirs), 5);
    EXPECT_EQ(ReadWholeFile(dirs.data + "/saves/マメ"), "old save of mame");
    EXPECT_EQ(ReadWholeFile(dirs.data + "/saves/Taro"), "newer save of taro");
    EXPECT_FALSE(fs::exists(dirs.data + "/saves/.tmp-Taro-1.part"));
    EXPECT_EQ(ReadWholeFile(dirs.data + "/screenshots/zanbora-20260101-101010.png"), "png");
    EXPECT_EQ(ReadWholeFile(dirs.data + "/name.ini"), "Taro\r\n 1 \r\n");
    EXPECT_EQ(ReadWholeFile(dirs.data + "/マメ.txt"), "clear record");
    EXPECT_EQ(ReadWholeFile(dirs.config + "/settings.ini"), "decide = A\n");
    EXPECT_FALSE(fs::exists(dirs.data + "/map.dat"));
    EXPECT_FALSE(fs::exists(dirs.data + "/settings.ini"));
    // The originals stay where they were.
    EXPECT_EQ(ReadWholeFile(game.path() + "/saves/マメ"), "old save of mame");

    // The next start finds everything copied and says nothing.
    EXPECT_EQ(CopyOldPlayerFiles(game.path(), dirs), 0);
}

TEST_F(OldInstall, SettingsKeptBesideTheSavesMoveToTheConfigFolder) {
    home.write("data/settings.ini", "scale = 2\n");
    EXPECT_EQ(CopyOldPlayerFiles(game.path(), dirs), 1);
    EXPECT_EQ(ReadWholeFile(dirs.config + "/settings.ini"), "scale = 2\n");

    // Settings already in the config folder win over older ones anywhere.
    home.write("config/settings.ini", "scale = 1\n");
    game.write("settings.ini", "scale = 3\n");
    EXPECT_EQ(CopyOldPlayerFiles(game.path(), dirs), 0);
    EXPECT_EQ(ReadWholeFile(dirs.config + "/settings.ini"), "scale = 1\n");
}

TEST_F(OldInstall, NothingIsFollowedThroughALinkNorCopiedOntoIt) {
    game.write("secret", "not a save");
    fs::create_directories(game.path() + "/saves");
    fs::create_symlink(game.path() + "/secret", game.path() + "/saves/Linked");
    fs::create_directories(dirs.data + "/saves");
    fs::create_symlink(home.path() + "/elsewhere", dirs.data + "/saves/Hero");
    game.write("saves/Hero", "a save");

    EXPECT_EQ(CopyOldPlayerFiles(game.path(), dirs), 0);
    EXPECT_FALSE(fs::exists(dirs.data + "/saves/Linked"));
    EXPECT_FALSE(fs::exists(home.path() + "/elsewhere"));
}

TEST_F(OldInstall, AGameThatAlreadyKeepsItsFilesItselfCopiesNothing) {
    game.write("saves/Taro", "save");
    EXPECT_EQ(CopyOldPlayerFiles(game.path(), UserDirs{game.path(), game.path()}), 0);
}
