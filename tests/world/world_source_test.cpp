// The world compiler's readers: a bad source is refused with the file, the
// line and what is wrong, never compiled into a broken map.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <unistd.h>

#include "WorldSource.h"

namespace worldtool {
namespace {

class WorldSourceTest : public ::testing::Test {
protected:
    std::filesystem::path dir = std::filesystem::temp_directory_path() /
                                ("zanbora-world-" + std::to_string(getpid()) + "-" +
                                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
    void SetUp() override { std::filesystem::create_directories(dir); }
    void TearDown() override { std::filesystem::remove_all(dir); }

    std::string write(const std::string& name, const std::string& text) {
        const std::string path = (dir / name).string();
        std::ofstream(path, std::ios::binary) << text;
        return path;
    }
    // The message of what `read` throws, or "" when it does not.
    template <typename Read>
    static std::string problem(Read read) {
        try {
            read();
        } catch (const std::runtime_error& e) {
            return e.what();
        }
        return "";
    }
    static std::string grid(char fill, int rows = kRows, int columns = kColumns) {
        std::string text;
        for (int y = 0; y < rows; ++y) text.append(size_t(columns), fill).append("\r\n");
        return text;
    }
    static std::string events(int count) {
        std::string text = "# x,y,code\n";
        for (int i = 0; i < count; ++i) text += std::to_string(i % 101) + "," + std::to_string(i / 101) + ",22  # spring\n";
        return text;
    }
};

TEST_F(WorldSourceTest, TheLegendMapsCharactersToCodes) {
    const Legend legend = ReadLegend(write("legend.txt", "// comment\n# 1 brick wall\n. 10 grass\n"));
    EXPECT_EQ(legend.code['#'], 1);
    EXPECT_EQ(legend.code['.'], 10);
    EXPECT_EQ(legend.meaning['.'], "grass");
    EXPECT_EQ(legend.code['x'], -1);
    EXPECT_NE(problem([&] { ReadLegend(write("twice.txt", ". 10 grass\n. 6 road\n")); }).find("twice.txt:2"),
              std::string::npos);
    EXPECT_NE(problem([&] { ReadLegend(write("bad.txt", ".10\n")); }).find("bad.txt:1"), std::string::npos);
}

TEST_F(WorldSourceTest, TheTerrainIsTheWholeGridOfKnownCharacters) {
    const Legend legend = ReadLegend(write("legend.txt", ". 10 grass\n~ 5 lake\n"));
    std::string text = grid('.');
    text[size_t(3) * (kColumns + 2) + 7] = '~';
    const std::vector<uint8_t> cells = ReadTerrain(write("ok.txt", text), legend);
    ASSERT_EQ(cells.size(), size_t(kColumns) * kRows);
    EXPECT_EQ(cells[size_t(3) * kColumns + 7], 5);
    EXPECT_EQ(cells[0], 10);

    EXPECT_NE(problem([&] { ReadTerrain(write("short.txt", grid('.', kRows - 1)), legend); }).find("505 rows"),
              std::string::npos);
    EXPECT_NE(problem([&] { ReadTerrain(write("long.txt", grid('.', kRows + 1)), legend); }).find("more than"),
              std::string::npos);
    std::string narrow = grid('.');
    narrow.erase(size_t(10) * (kColumns + 2), 1);
    EXPECT_NE(problem([&] { ReadTerrain(write("narrow.txt", narrow), legend); }).find("narrow.txt:11: row 10 has 139"),
              std::string::npos);
    std::string unknown = grid('.');
    unknown[5] = 'Q';
    EXPECT_NE(problem([&] { ReadTerrain(write("unknown.txt", unknown), legend); }).find("column 5: character 'Q'"),
              std::string::npos);
}

TEST_F(WorldSourceTest, TheEventListHasExactlyItsHundredTwentyCells) {
    const std::vector<Event> list = ReadEvents(write("events.txt", events(kEventCount)));
    ASSERT_EQ(list.size(), size_t(kEventCount));
    EXPECT_EQ(list[101].x, 0);
    EXPECT_EQ(list[101].y, 1);
    EXPECT_EQ(list[101].code, 22);

    EXPECT_NE(problem([&] { ReadEvents(write("few.txt", events(kEventCount - 1))); }).find("119 events"),
              std::string::npos);
    EXPECT_NE(problem([&] { ReadEvents(write("same.txt", events(kEventCount - 1) + "0,0,1\n")); }).find("a second event"),
              std::string::npos);
    EXPECT_NE(problem([&] { ReadEvents(write("wide.txt", "101,5,1\n")); }).find("outside the event layer"),
              std::string::npos);
    EXPECT_NE(problem([&] { ReadEvents(write("junk.txt", "3,4\n")); }).find("junk.txt:1: expected"),
              std::string::npos);
    EXPECT_NE(problem([&] { ReadEvents(write("tail.txt", "3,4,5,6\n")); }).find("expected"), std::string::npos);
}

TEST_F(WorldSourceTest, NumbersWithJunkOrMissingFieldsAreRefusedWithTheirLine) {
    EXPECT_EQ(problem([&] { ReadLegend(write("l1.txt", ". 6 grass\nQ 5x junk\n")); }),
              (dir / "l1.txt").string() + ":2: expected a character, a blank and a terrain code 0..255");
    EXPECT_EQ(problem([&] { ReadLegend(write("l2.txt", "Q 5.7\n")); }),
              (dir / "l2.txt").string() + ":1: expected a character, a blank and a terrain code 0..255");
    EXPECT_EQ(problem([&] { ReadEvents(write("e1.txt", "# list\n7,,7,1\n")); }),
              (dir / "e1.txt").string() + ":2: expected \"x,y,code\"");
    EXPECT_EQ(problem([&] { ReadEvents(write("e2.txt", "7 7 1\n")); }),
              (dir / "e2.txt").string() + ":1: expected \"x,y,code\"");
    EXPECT_NE(problem([&] { ReadEvents(write("e3.txt", "7,7,\n")); }).find(":1: expected"), std::string::npos);
    EXPECT_NE(problem([&] { ReadEvents(write("e4.txt", "7,7,1x\n")); }).find(":1: expected"), std::string::npos);

    // What the sources really hold still reads: blanks around numbers, a
    // negative code, a meaning after the code, a comment after an event.
    const Legend legend = ReadLegend(write("good.txt", "Q 5\n~  12   deep water\n"));
    EXPECT_EQ(legend.code['Q'], 5);
    EXPECT_EQ(legend.code['~'], 12);
    EXPECT_EQ(legend.meaning['~'], "deep water");
    std::string list = events(kEventCount - 1) + " 100 , 590 , -7  # far corner\n";
    const std::vector<Event> read = ReadEvents(write("events.txt", list));
    EXPECT_EQ(read.back().x, 100);
    EXPECT_EQ(read.back().y, 590);
    EXPECT_EQ(read.back().code, -7);
}

}  // namespace
}  // namespace worldtool
