#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>
#include <string>

#include "game/core/MapLayers.h"
#include "game/core/StartPlaying.h"
#include "game/core/TextCodec.h"
#include "game/party/NameFile.h"
#include "platform/AppDir.h"
#include "support/TestGame.h"

using namespace zanbora;
using zanbora::testing::TempGameDir;

TEST(GamePaths, BackslashPathsFindFilesWhateverTheirCase) {
    TempGameDir dir(false);
    dir.write("wave/men02.wav", "x");
    dir.write("cg/Title.JPG", "x");
    EXPECT_EQ(ResolveGamePath(dir.path(), "\\wave\\MEN02.WAV"), dir.path() + "/wave/men02.wav");
    EXPECT_EQ(ResolveGamePath(dir.path(), "\\cg\\title.jpg"), dir.path() + "/cg/Title.JPG");
    EXPECT_EQ(ResolveGamePath(dir.path(), "\\saves\\new hero"), dir.path() + "/saves/new hero");
}

TEST(GamePaths, APathNeverLeavesTheGameFolder) {
    TempGameDir dir(false);
    EXPECT_EQ(ResolveGamePath(dir.path(), "\\..\\..\\etc\\passwd"), dir.path() + "/etc/passwd");
}

TEST(TextCodec, ShiftJisRoundTripAndCharacterCounts) {
    std::string sjis;
    ASSERT_TRUE(Utf8ToCp932("ザンボラ戦記 Lv1", sjis));
    EXPECT_EQ(sjis.size(), 16u);
    EXPECT_EQ(Cp932ToUtf8(sjis), "ザンボラ戦記 Lv1");
    EXPECT_EQ(Utf8Length("ザンボラ戦記 Lv1"), 10u);
    std::string out;
    EXPECT_FALSE(Utf8ToCp932("😀", out));
    EXPECT_EQ(Cp932ToUtf8("\x82"), "\xEF\xBF\xBD");  // a cut-off character is shown, not lost silently
}

// The draw-skip number is written like every number of the game's files,
// " 2 " (the start screen's tests check the bytes); a bare number, as older
// files and hand edits have it, reads too.
TEST(NameFile, WritesShiftJisWithCrLfAndReadsItBack) {
    TempGameDir dir(false);
    const std::string path = dir.path() + "/name.ini";
    ASSERT_TRUE(WriteNameFile(path, {"マメ吉", 2}));
    NameFile read;
    ASSERT_TRUE(ReadNameFile(path, read));
    EXPECT_EQ(read.name, "マメ吉");
    EXPECT_EQ(read.drawSkip, 2);
    NameFile untouched{"keep", 5};
    EXPECT_FALSE(ReadNameFile(dir.path() + "/missing.ini", untouched));
    EXPECT_EQ(untouched.name, "keep");
    for (const char* skipLine : {"3", " 3 ", "3 "}) {
        NameFile parsed;
        ASSERT_TRUE(ParseNameFile(std::string("taro\r\n") + skipLine + "\r\n", parsed)) << skipLine;
        EXPECT_EQ(parsed.drawSkip, 3) << "[" << skipLine << "]";
    }
}

// A name of 2,000 characters made by hand comes in as the name box's 32.
TEST(NameFile, ANameLongerThanTheNameBoxTakesIsCutToIt) {
    std::string sjis;
    ASSERT_TRUE(Utf8ToCp932("マメ", sjis));
    std::string longName;
    for (int i = 0; i < 1000; ++i) longName += sjis;
    NameFile read;
    ASSERT_TRUE(ParseNameFile(longName + "\r\n3\r\n", read));
    std::string expected;
    for (int i = 0; i < 16; ++i) expected += "マメ";
    EXPECT_EQ(read.name, expected);
    EXPECT_EQ(read.drawSkip, 3);
    const std::string longest(32, 'a');
    ASSERT_TRUE(ParseNameFile(longest + "\r\n", read));
    EXPECT_EQ(read.name, std::string(32, 'a')) << "a name of just the length stays whole";
}

TEST(ItemList, PutsEachCodeIntoItsCellAndSkipsBrokenLines) {
    TempGameDir dir(false);
    dir.write("items.lst", "56,480,21\r\n80,479,31\r\nrubbish\r\n200,3,5\r\n");
    MapLayers map;
    ASSERT_TRUE(ApplyItemList(dir.path() + "/items.lst", map));
    EXPECT_EQ(map.eventAt(56, 480), 21);
    EXPECT_EQ(map.eventAt(80, 479), 31);
    EXPECT_EQ(map.eventAt(100, 3), 0);
    EXPECT_FALSE(ApplyItemList(dir.path() + "/none.lst", map));
}

// name.ini and items.lst are read only when they are plain files of a sane
// size: a FIFO, /dev/zero or a huge file is refused at once, like a missing one.
TEST(SideFiles, AreReadOnlyWhenPlainFilesOfASaneSize) {
    TempGameDir dir(false);
    ASSERT_EQ(::mkfifo((dir.path() + "/fifo").c_str(), 0644), 0);
    ASSERT_EQ(::symlink("/dev/zero", (dir.path() + "/zero").c_str()), 0);
    dir.write("huge", "");
    ASSERT_EQ(::truncate((dir.path() + "/huge").c_str(), 1L << 30), 0);
    dir.write("big-but-fine", "taro\r\n2\r\n" + std::string(3000, ' '));
    for (const char* name : {"fifo", "zero", "huge"}) {
        SCOPED_TRACE(name);
        NameFile untouched{"keep", 5};
        EXPECT_FALSE(ReadNameFile(dir.path() + "/" + name, untouched));
        EXPECT_EQ(untouched.name, "keep");
        MapLayers map;
        EXPECT_FALSE(ApplyItemList(dir.path() + "/" + name, map));
    }
    NameFile read;
    EXPECT_TRUE(ReadNameFile(dir.path() + "/big-but-fine", read));
    EXPECT_EQ(read.drawSkip, 2);
}

TEST(SideFiles, StartingAGameReplacesALinkedNameFileInsteadOfWritingThroughIt) {
    zanbora::testing::TestGame t;
    TempGameDir outside(false);
    outside.write("victim", "keep me");
    ASSERT_EQ(::symlink((outside.path() + "/victim").c_str(), (t.dir.path() + "/name.ini").c_str()), 0);
    t.game->start.Text1 = "マメ吉";
    t.game->start.check1 = 2;
    t.game->GameState = "load";  // the reload after a defeat: returns instead of running the field
    PPPN(*t.game);
    std::ifstream victim(outside.path() + "/victim");
    std::string kept;
    std::getline(victim, kept);
    EXPECT_EQ(kept, "keep me");
    NameFile read;
    ASSERT_TRUE(ReadNameFile(t.dir.path() + "/name.ini", read));
    EXPECT_EQ(read.name, "マメ吉");
}
