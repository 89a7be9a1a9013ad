#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/InstanceLock.h"
#include "platform/SafeFile.h"
#include "support/TestGame.h"

using namespace zanbora;
using zanbora::testing::TempGameDir;
namespace fs = std::filesystem;

namespace {
size_t EntriesIn(const std::string& dir) {
    return static_cast<size_t>(std::distance(fs::directory_iterator(dir), fs::directory_iterator()));
}
}  // namespace

TEST(SafeFile, ReplacesTheWholeFileAndLeavesNoTemporaryBehind) {
    TempGameDir dir(false);
    const std::string path = dir.path() + "/hero";
    std::string error;
    ASSERT_TRUE(WriteFileAtomically(path, "a long first version", error)) << error;
    ASSERT_TRUE(WriteFileAtomically(path, "short", error)) << error;
    EXPECT_EQ(zanbora::testing::ReadWholeFile(path), "short");
    EXPECT_EQ(EntriesIn(dir.path()), 1u);
}

TEST(SafeFile, ASymlinkAtTheTargetIsReplacedNotFollowed) {
    TempGameDir dir(false);
    TempGameDir outside(false);
    const std::string victim = outside.path() + "/victim";
    outside.write("victim", "keep me");
    const std::string path = dir.path() + "/name.ini";
    ASSERT_EQ(::symlink(victim.c_str(), path.c_str()), 0);
    std::string error;
    ASSERT_TRUE(WriteFileAtomically(path, "new", error)) << error;
    EXPECT_EQ(zanbora::testing::ReadWholeFile(victim), "keep me");
    EXPECT_FALSE(fs::is_symlink(path));
    EXPECT_EQ(zanbora::testing::ReadWholeFile(path), "new");
}

TEST(SafeFile, AFolderThatCannotBeWrittenKeepsTheOldFileAndSaysWhy) {
    if (::geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
    TempGameDir dir(false);
    dir.write("hero", "old");
    ::chmod(dir.path().c_str(), 0555);
    std::string error;
    EXPECT_FALSE(WriteFileAtomically(dir.path() + "/hero", "new", error));
    ::chmod(dir.path().c_str(), 0755);
    EXPECT_EQ(error, "Permission denied");
    EXPECT_EQ(zanbora::testing::ReadWholeFile(dir.path() + "/hero"), "old");
    EXPECT_EQ(EntriesIn(dir.path()), 1u);
}

TEST(SafeFile, AMissingFolderIsAFailureWithItsReason) {
    TempGameDir dir(false);
    std::string error;
    EXPECT_FALSE(WriteFileAtomically(dir.path() + "/nowhere/hero", "x", error));
    EXPECT_EQ(error, "No such file or directory");
}

TEST(SafeFile, FoldersAreCreatedButNeverThroughALink) {
    TempGameDir dir(false);
    TempGameDir outside(false);
    std::string error;
    EXPECT_TRUE(EnsurePlainDirectory(dir.path() + "/saves", error));
    EXPECT_TRUE(fs::is_directory(dir.path() + "/saves"));
    EXPECT_TRUE(EnsurePlainDirectory(dir.path() + "/saves", error));
    ASSERT_EQ(::symlink(outside.path().c_str(), (dir.path() + "/linked").c_str()), 0);
    EXPECT_FALSE(EnsurePlainDirectory(dir.path() + "/linked", error));
    EXPECT_EQ(error, "is a symbolic link");
    dir.write("plain", "x");
    EXPECT_FALSE(EnsurePlainDirectory(dir.path() + "/plain", error));
    EXPECT_EQ(error, "is not a folder");
}

TEST(InstanceLock, OneCopyHoldsTheLockAndASecondIsTurnedAway) {
    TempGameDir dir(false);
    const std::string lock = dir.path() + "/.zanbora.lock";
    std::string why;
    EXPECT_EQ(AcquireInstanceLock(lock, why), InstanceLock::Held);
    EXPECT_EQ(AcquireInstanceLock(lock, why), InstanceLock::Running);
    EXPECT_EQ(why, "ZANBORA is already running on " + dir.path());
    EXPECT_TRUE(fs::is_regular_file(lock));
}

// A link, a FIFO or a folder where the lock belongs could never be locked,
// so two copies would run on one folder: the game refuses at once, and
// nothing the link points at is created or touched.
TEST(InstanceLock, ALinkFifoOrFolderInPlaceOfTheLockIsRefusedAndNeverFollowed) {
    TempGameDir dir(false);
    TempGameDir outside(false);
    const std::string lock = dir.path() + "/.zanbora.lock";
    std::string why;
    ASSERT_EQ(::symlink((outside.path() + "/planted").c_str(), lock.c_str()), 0);
    EXPECT_EQ(AcquireInstanceLock(lock, why), InstanceLock::Unusable);
    EXPECT_EQ(why, lock + " is not a plain file, so the game cannot make sure it runs only once; remove it and start "
                          "again");
    EXPECT_FALSE(fs::exists(outside.path() + "/planted"));
    EXPECT_EQ(EntriesIn(outside.path()), 0u);
    outside.write("victim", "keep me");
    fs::remove(lock);
    ASSERT_EQ(::symlink((outside.path() + "/victim").c_str(), lock.c_str()), 0);
    EXPECT_EQ(AcquireInstanceLock(lock, why), InstanceLock::Unusable);
    EXPECT_EQ(zanbora::testing::ReadWholeFile(outside.path() + "/victim"), "keep me");
    EXPECT_EQ(AcquireInstanceLock(outside.path() + "/victim", why), InstanceLock::Held)
        << "the link took a lock on the outside file";

    fs::remove(lock);
    ASSERT_EQ(::mkfifo(lock.c_str(), 0644), 0);
    EXPECT_EQ(AcquireInstanceLock(lock, why), InstanceLock::Unusable);
    fs::remove(lock);
    fs::create_directory(lock);
    EXPECT_EQ(AcquireInstanceLock(lock, why), InstanceLock::Unusable);
    EXPECT_EQ(AcquireInstanceLock(lock, why), InstanceLock::Unusable) << "nor for a second copy";
    EXPECT_NE(why.find("is a folder"), std::string::npos) << why;
}
