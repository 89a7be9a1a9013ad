// The helper that outlives the game: it does its task when the game ends
// without saying goodbye, and only then.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <thread>

#include "platform/ExitWatch.h"
#include "support/TestGame.h"

namespace zanbora {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

bool AppearsWithin(const fs::path& file, std::chrono::milliseconds limit)
{
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (!fs::exists(file)) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        std::this_thread::sleep_for(20ms);
    }
    return true;
}

std::function<void()> Leave(const fs::path& file)
{
    return [file] { std::ofstream(file) << "done"; };
}

enum class Ending { Exit, Kill, Crash };

// A stand-in game in a child process: starts the watch, then ends.
pid_t GameThatEnds(const fs::path& marker, Ending ending)
{
    const pid_t game = fork();
    if (game != 0) return game;
    auto watch = ExitWatch::start(Leave(marker));
    if (!watch) _exit(99);
    switch (ending) {
        case Ending::Exit: std::exit(3);
        case Ending::Kill: raise(SIGKILL); break;
        case Ending::Crash: signal(SIGSEGV, SIG_DFL); raise(SIGSEGV); break;
    }
    _exit(98);
}

class ExitWatchTest : public ::testing::TestWithParam<Ending> {
protected:
    testing::TempGameDir dir{false};
    fs::path marker = fs::path(dir.path()) / "task-ran";
};

TEST_F(ExitWatchTest, GoodbyeMeansTheTaskNeverRuns)
{
    auto watch = ExitWatch::start(Leave(marker));
    ASSERT_TRUE(watch);
    watch.reset();
    std::this_thread::sleep_for(100ms);
    EXPECT_FALSE(fs::exists(marker));
}

TEST_P(ExitWatchTest, GameEndingWithoutGoodbyeRunsTheTask)
{
    const pid_t game = GameThatEnds(marker, GetParam());
    int status = 0;
    ASSERT_EQ(waitpid(game, &status, 0), game);
    ASSERT_FALSE(WIFEXITED(status) && WEXITSTATUS(status) == 99) << "no helper could be started";
    EXPECT_TRUE(AppearsWithin(marker, 5s));
}

INSTANTIATE_TEST_SUITE_P(Endings, ExitWatchTest, ::testing::Values(Ending::Exit, Ending::Kill, Ending::Crash));

TEST_F(ExitWatchTest, HelperKeepsNoneOfTheGamesFilesOpen)
{
    // Whoever reads the game's output (a terminal, a test runner) sees its end
    // when the game ends, even while the helper is still busy.
    int output[2];
    ASSERT_EQ(pipe(output), 0);
    const pid_t game = fork();
    if (game == 0) {
        close(output[0]);
        auto watch = ExitWatch::start([] { std::this_thread::sleep_for(3s); });
        _exit(watch ? 0 : 99);
    }
    close(output[1]);
    const auto start = std::chrono::steady_clock::now();
    char c;
    EXPECT_EQ(read(output[0], &c, 1), 0);
    close(output[0]);
    EXPECT_LT(std::chrono::steady_clock::now() - start, 2s);
    int status = 0;
    waitpid(game, &status, 0);
    EXPECT_EQ(WEXITSTATUS(status), 0);
}

}  // namespace
}  // namespace zanbora
