#include <gtest/gtest.h>

#include "game/field/MapLayers.h"
#include "game/party/NameFile.h"
#include "game/shell/TextCodec.h"
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
