// SIGTERM and SIGINT become a quit the game reads with its events; while it
// waits on a message box, which reads none, they end the process at once.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/resource.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <thread>

#include "ChildRun.h"
#include "platform/EndSignals.h"
#include "platform/SafeFile.h"
#include "support/TestGame.h"

namespace zanbora {
namespace {

using namespace std::chrono_literals;
using testing::RunInChild;

TEST(EndSignals, ASignalIsNotedAndTheGameGoesOnToItsUnload) {
    for (const int sig : {SIGTERM, SIGINT}) {
        const testing::ChildOutcome run = RunInChild(
            [sig] {
                CatchEndSignals();
                if (EndSignalled()) return 2;
                raise(sig);
                return EndSignalled() ? 0 : 3;  // still alive, and knows
            },
            5s);
        EXPECT_TRUE(run.finished);
        EXPECT_EQ(run.status, 0) << sig;
    }
}

// Under `ulimit -f` a write past the limit fails with its reason, the old
// file stays and no temporary file is left; the process lives on.
TEST(EndSignals, AWritePastTheFileSizeLimitFailsInsteadOfEndingTheGame) {
    testing::TempGameDir dir(false);
    dir.write("hero", "old save");
    const std::string path = dir.path() + "/hero";
    const testing::ChildOutcome run = RunInChild(
        [&] {
            CatchEndSignals();
            const rlimit limit{1024, 1024};
            if (setrlimit(RLIMIT_FSIZE, &limit) != 0) return 2;
            std::string error;
            if (WriteFileAtomically(path, std::string(4096, 'x'), error)) return 3;
            return error.find("too large") != std::string::npos ? 0 : 4;
        },
        10s);
    ASSERT_TRUE(run.finished);
    EXPECT_EQ(run.status, 0) << run.stderrText;
    EXPECT_EQ(testing::ReadWholeFile(path), "old save");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), std::filesystem::directory_iterator()), 1);
}

TEST(EndSignals, WhileABoxWaitsTheProcessEndsAtOnce) {
    const testing::ChildOutcome during = RunInChild(
        [] {
            CatchEndSignals();
            EndSignalsEndAtOnce waiting;
            raise(SIGTERM);
            std::this_thread::sleep_for(3s);
            return 0;
        },
        10s);
    EXPECT_TRUE(during.finished);
    EXPECT_EQ(during.status, 128 + SIGTERM);
    // A signal that came just before the box opened ends it as it opens.
    const testing::ChildOutcome before = RunInChild(
        [] {
            CatchEndSignals();
            raise(SIGINT);
            EndSignalsEndAtOnce waiting;
            return 0;
        },
        10s);
    EXPECT_EQ(before.status, 128 + SIGINT);
    // After the box, a signal is a quit again.
    const testing::ChildOutcome after = RunInChild(
        [] {
            CatchEndSignals();
            { EndSignalsEndAtOnce waiting; }
            raise(SIGTERM);
            return EndSignalled() ? 0 : 3;
        },
        10s);
    EXPECT_EQ(after.status, 0);
}

}  // namespace
}  // namespace zanbora
