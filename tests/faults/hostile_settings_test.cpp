// settings.ini planted as a FIFO, a device or a huge file: the game starts
// at once with the default settings and says so in one line.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <chrono>

#include "ChildRun.h"
#include "platform/Settings.h"
#include "support/TestGame.h"

namespace zanbora {
namespace {

using namespace std::chrono_literals;

TEST(HostileSettings, ASettingsFileThatIsNoPlainFileGivesTheDefaultsAtOnce) {
    testing::TempGameDir dir(false);
    ASSERT_EQ(mkfifo((dir.path() + "/fifo").c_str(), 0644), 0);
    ASSERT_EQ(symlink("/dev/zero", (dir.path() + "/zero").c_str()), 0);
    dir.write("huge", "");
    ASSERT_EQ(truncate((dir.path() + "/huge").c_str(), 1L << 30), 0);
    for (const char* name : {"fifo", "zero", "huge"}) {
        SCOPED_TRACE(name);
        const std::string path = dir.path() + "/" + name;
        const testing::ChildOutcome run = testing::RunInChild(
            [&] {
                const Settings settings = LoadSettingsFile(path);
                return settings.scale == 0 && settings.musicVolume == 100 ? 0 : 1;
            },
            5s);
        ASSERT_TRUE(run.finished) << "reading the settings hung";
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.stderrText,
                  "ZANBORA: " + path +
                      " is not a settings file that can be read; using the default settings and leaving the file as "
                      "it is (changes last for this run only)\n");
    }
}

}  // namespace
}  // namespace zanbora
