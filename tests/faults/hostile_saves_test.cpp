// saves/ planted with links, FIFOs and devices: a save is never written
// outside the game folder, and reading one never hangs or eats the memory.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "ChildRun.h"
#include "game/party/SaveFile.h"
#include "game/party/SaveList.h"
#include "support/TestGame.h"

namespace zanbora {
namespace {

using namespace std::chrono_literals;
namespace fs = std::filesystem;
using testing::TempGameDir;
using testing::TestGame;

TEST(HostileSaves, ASavesFolderThatIsALinkIsNeverWrittenThrough) {
    TestGame t(false);
    TempGameDir outside(false);
    outside.write("マメ太郎", "keep me");
    ASSERT_EQ(symlink(outside.path().c_str(), (t.dir.path() + "/saves").c_str()), 0);
    t.game->player.Name = "マメ太郎";
    EXPECT_FALSE(WriteSave(*t.game));
    std::ifstream kept(outside.path() + "/マメ太郎");
    std::string line;
    std::getline(kept, line);
    EXPECT_EQ(line, "keep me");
    EXPECT_EQ(std::distance(fs::directory_iterator(outside.path()), fs::directory_iterator()), 1);
    ASSERT_EQ(t.platform.messageBoxes.size(), 1u);
    EXPECT_NE(t.platform.messageBoxes[0].find("symbolic link"), std::string::npos) << t.platform.messageBoxes[0];
}

TEST(HostileSaves, ASaveThatIsNoPlainFileIsDamagedAtOnce) {
    TestGame t(false);
    fs::create_directories(t.dir.path() + "/saves/folder");
    ASSERT_EQ(mkfifo((t.dir.path() + "/saves/fifo").c_str(), 0644), 0);
    ASSERT_EQ(symlink("/dev/zero", (t.dir.path() + "/saves/zero").c_str()), 0);
    t.dir.write("saves/huge", "");
    ASSERT_EQ(truncate((t.dir.path() + "/saves/huge").c_str(), 1L << 30), 0);
    for (const char* name : {"folder", "fifo", "zero", "huge"}) {
        SCOPED_TRACE(name);
        const testing::ChildOutcome run = testing::RunInChild(
            [&] {
                std::string problem;
                return ReadSaveFile(*t.game, name, problem) == SaveReadResult::Damaged ? 0 : 1;
            },
            5s);
        ASSERT_TRUE(run.finished) << "reading the save hung";
        EXPECT_EQ(run.status, 0);
    }
}

// The start screen's preview of a 3 GB sparse save: no preview, at once,
// rather than the whole file read as its first line.
TEST(HostileSaves, AHugeSaveHasNoPreviewAndCostsNothing) {
    TestGame t(false);
    t.dir.write("saves/huge", "");
    ASSERT_EQ(truncate((t.dir.path() + "/saves/huge").c_str(), 3L << 30), 0);
    const testing::ChildOutcome run = testing::RunInChild(
        [&] {
            SavePreview preview;
            return ReadSavePreview(SavePath(*t.game, "huge"), "huge", preview) ? 1 : 0;
        },
        5s);
    ASSERT_TRUE(run.finished) << "the preview read the whole file";
    EXPECT_EQ(run.status, 0);
}

}  // namespace
}  // namespace zanbora
