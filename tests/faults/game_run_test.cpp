// The real program, run without a display or sound card, with broken and
// hostile files: it reaches its title or its clear refusal within seconds,
// ends on SIGTERM and SIGINT through its normal unload (exit status 0), and
// changes no file outside its folder.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <thread>

#include "support/BuildPaths.h"
#include "support/TestGame.h"

namespace zanbora {
namespace {

using namespace std::chrono_literals;
namespace fs = std::filesystem;
using testing::TempGameDir;

std::string Slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// One run of build/game/ZANBORA on a game folder.
class GameRun {
public:
    // On `display` (an X server) when given, else with SDL's dummy video driver;
    // `inChild` runs in the new process just before the game starts.
    explicit GameRun(const std::string& folder, const std::string& display = "",
                     const std::function<void()>& inChild = {})
        : folder_(folder) {
        stderrPath_ = folder + "/../" + fs::path(folder).filename().string() + ".stderr";
        pid_ = fork();
        if (pid_ == 0) {
            const int err = open(stderrPath_.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            dup2(err, STDERR_FILENO);
            const int nothing = open("/dev/null", O_RDWR);
            dup2(nothing, STDIN_FILENO);
            dup2(nothing, STDOUT_FILENO);
            setenv("ZANBORA_DIR", folder_.c_str(), 1);
            if (display.empty()) {
                setenv("SDL_VIDEODRIVER", "dummy", 1);
            } else {
                unsetenv("SDL_VIDEODRIVER");
                setenv("DISPLAY", display.c_str(), 1);
            }
            setenv("SDL_AUDIODRIVER", "dummy", 1);
            // The real program loads the system's video and sound libraries,
            // whose leaks are no business of this test (see tests/CMakeLists.txt).
            setenv("LSAN_OPTIONS", "detect_leaks=0", 1);
            if (inChild) inChild();
            const std::string program = testing::BuiltGameDir() + "/ZANBORA";
            execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
            _exit(127);
        }
    }
    ~GameRun() {
        if (pid_ > 0 && !ended_) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
        unlink(stderrPath_.c_str());
    }

    // Whether the game has got as far as taking its single-instance lock.
    bool started(std::chrono::milliseconds limit) {
        const auto deadline = std::chrono::steady_clock::now() + limit;
        while (!fs::exists(folder_ + "/.zanbora.lock")) {
            if (std::chrono::steady_clock::now() > deadline || endedWithin(0ms)) return false;
            std::this_thread::sleep_for(5ms);
        }
        return true;
    }
    void signal(int sig) { kill(pid_, sig); }
    bool endedWithin(std::chrono::milliseconds limit) {
        const auto deadline = std::chrono::steady_clock::now() + limit;
        while (!ended_) {
            int status = 0;
            if (waitpid(pid_, &status, WNOHANG) == pid_) {
                ended_ = true;
                exitStatus_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
                break;
            }
            if (std::chrono::steady_clock::now() > deadline) return false;
            std::this_thread::sleep_for(10ms);
        }
        return true;
    }
    // Whether the game has said `text` on stderr within the limit.
    bool says(const std::string& text, std::chrono::milliseconds limit) {
        const auto deadline = std::chrono::steady_clock::now() + limit;
        while (stderrText().find(text) == std::string::npos) {
            if (std::chrono::steady_clock::now() > deadline) return false;
            std::this_thread::sleep_for(20ms);
        }
        return true;
    }
    int exitStatus() const { return exitStatus_; }
    std::string stderrText() const { return Slurp(stderrPath_); }

private:
    std::string folder_;
    std::string stderrPath_;
    pid_t pid_ = -1;
    bool ended_ = false;
    int exitStatus_ = -1;
};

TEST(GameRun, EndSignalsEndTheGameThroughItsUnloadAtAnyMoment) {
    struct Moment {
        int sig;
        std::chrono::milliseconds after;
    };
    for (const Moment moment : {Moment{SIGTERM, 0ms}, Moment{SIGTERM, 300ms}, Moment{SIGINT, 0ms},
                                Moment{SIGTERM, 3000ms}, Moment{SIGINT, 3000ms}}) {
        SCOPED_TRACE(std::to_string(moment.sig) + " after " + std::to_string(moment.after.count()) + " ms");
        TempGameDir dir(true);
        GameRun game(dir.path());
        ASSERT_TRUE(game.started(20s)) << game.stderrText();
        std::this_thread::sleep_for(moment.after);
        ASSERT_FALSE(game.endedWithin(0ms)) << game.stderrText();
        game.signal(moment.sig);
        ASSERT_TRUE(game.endedWithin(5s)) << "the game did not end";
        EXPECT_EQ(game.exitStatus(), 0) << game.stderrText();
    }
}

TEST(GameRun, BrokenMusicPicturesAndLinksStillReachTheTitleAndChangeNothingOutside) {
    TempGameDir dir(true);
    TempGameDir outside(false);
    // Own copies of the music and pictures to break.
    for (const char* folder : {"midi", "cg"}) {
        fs::remove(dir.path() + "/" + folder);
        fs::copy(testing::BuiltGameDir() + "/" + folder, dir.path() + "/" + folder);
    }
    const std::string title = Slurp(dir.path() + "/midi/data2.mid");
    dir.write("midi/data2.mid", title.substr(0, title.size() / 2));  // the title's music, cut short
    dir.write("midi/data1.mid", "");
    std::string bomb = "BM" + std::string(68, '\0');  // 70 bytes claiming 30000 x 30000
    bomb[14] = 40;
    bomb[18] = bomb[22] = char(0x30);
    bomb[19] = bomb[23] = char(0x75);
    dir.write("cg/effect.bmp", bomb);
    dir.write("cg/icon.png", std::string("\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR\0\0\xea\x60\0\0\xea\x60\x08\x06\0\0\0",
                                         29));  // 60000 x 60000
    dir.write("cg/banner.jpg", std::string("\xff\xd8\xff\xc0\x00\x0b\x08\x75\x30\x75\x30\x01\x01\x11\x00", 15));
    outside.write("victim.ini", "keep me");
    ASSERT_EQ(symlink((outside.path() + "/victim.ini").c_str(), (dir.path() + "/name.ini").c_str()), 0);
    ASSERT_EQ(symlink(outside.path().c_str(), (dir.path() + "/saves").c_str()), 0);

    GameRun game(dir.path());
    // The title's music is asked for after its first pictures.
    EXPECT_TRUE(game.says("data2.mid", 20s)) << game.stderrText();
    std::this_thread::sleep_for(500ms);
    ASSERT_FALSE(game.endedWithin(0ms)) << game.stderrText();
    game.signal(SIGTERM);
    ASSERT_TRUE(game.endedWithin(5s)) << "the game did not end";
    EXPECT_EQ(game.exitStatus(), 0) << game.stderrText();
    const std::string err = game.stderrText();
    EXPECT_LT(std::count(err.begin(), err.end(), '\n'), 20) << err.substr(0, 3000);
    EXPECT_NE(err.find("banner.jpg"), std::string::npos) << err;
    EXPECT_NE(err.find("effect.bmp"), std::string::npos) << err;
    EXPECT_NE(err.find("icon.png not used"), std::string::npos) << err;
    EXPECT_EQ(Slurp(outside.path() + "/victim.ini"), "keep me");
    EXPECT_EQ(std::distance(fs::directory_iterator(outside.path()), fs::directory_iterator()), 1);
}

TEST(GameRun, AMapThatCannotBeReadIsRefusedWithItsReasonAndStatus2) {
    struct Broken {
        const char* what;
        std::function<void(const std::string&)> make;
        const char* reason;
    };
    const Broken cases[] = {
        {"folder", [](const std::string& p) { fs::create_directory(p); }, "ファイルではありません"},
        {"/dev/zero", [](const std::string& p) { symlink("/dev/zero", p.c_str()); }, "ファイルではありません"},
        {"FIFO", [](const std::string& p) { mkfifo(p.c_str(), 0644); }, "ファイルではありません"},
        {"1 GB", [](const std::string& p) { std::ofstream(p).close(); truncate(p.c_str(), 1L << 30); },
         "1073741824 バイト"},
    };
    for (const Broken& broken : cases) {
        SCOPED_TRACE(broken.what);
        TempGameDir dir(true);
        fs::remove(dir.path() + "/map.dat");
        broken.make(dir.path() + "/map.dat");
        GameRun game(dir.path());
        ASSERT_TRUE(game.endedWithin(20s)) << "no refusal";
        EXPECT_EQ(game.exitStatus(), 2) << game.stderrText();
        EXPECT_NE(game.stderrText().find(broken.reason), std::string::npos) << game.stderrText();
    }
}

// A second copy on the same folder, and a lock that no copy could hold (a
// folder or a link in its place): each says why on stderr and ends with
// status 1 before its window opens, and the first copy plays on.
TEST(GameRun, ASecondCopyOrAnUnusableLockSaysWhyAndEnds) {
    TempGameDir dir(true);
    GameRun first(dir.path());
    ASSERT_TRUE(first.started(20s)) << first.stderrText();
    {
        GameRun second(dir.path());
        ASSERT_TRUE(second.endedWithin(20s)) << "the second copy did not end";
        EXPECT_EQ(second.exitStatus(), 1) << second.stderrText();
        EXPECT_NE(second.stderrText().find("ZANBORA is already running on " + dir.path()), std::string::npos)
            << second.stderrText();
        EXPECT_NE(second.stderrText().find("すでに起動しています"), std::string::npos) << second.stderrText();
    }
    ASSERT_FALSE(first.endedWithin(0ms)) << first.stderrText();
    first.signal(SIGTERM);
    ASSERT_TRUE(first.endedWithin(5s));

    TempGameDir outside(false);
    outside.write("victim.lock", "keep me");
    const std::string lock = dir.path() + "/.zanbora.lock";
    for (const bool folder : {true, false}) {
        SCOPED_TRACE(folder ? "folder" : "link");
        fs::remove(lock);
        if (folder)
            fs::create_directory(lock);
        else
            ASSERT_EQ(symlink((outside.path() + "/victim.lock").c_str(), lock.c_str()), 0);
        GameRun game(dir.path());
        ASSERT_TRUE(game.endedWithin(20s)) << "no refusal";
        EXPECT_EQ(game.exitStatus(), 1) << game.stderrText();
        EXPECT_NE(game.stderrText().find(folder ? "is a folder" : "is not a plain file"), std::string::npos)
            << game.stderrText();
    }
    EXPECT_EQ(Slurp(outside.path() + "/victim.lock"), "keep me");
}

// Under a file-size limit smaller than the default settings.ini (794 bytes)
// it cannot be written: the game says so and plays on instead of dying of
// SIGXFSZ. (The limit is not 0 so that the game's stderr file can hold that
// line.)
TEST(GameRun, AFileSizeLimitAtStartUpIsReportedNotFatal) {
    TempGameDir dir(true);
    GameRun game(dir.path(), "", [] {
        const rlimit small{512, 512};
        setrlimit(RLIMIT_FSIZE, &small);
    });
    EXPECT_TRUE(game.says("File too large", 20s)) << game.stderrText();
    std::this_thread::sleep_for(500ms);
    ASSERT_FALSE(game.endedWithin(0ms)) << game.stderrText();
    game.signal(SIGTERM);
    ASSERT_TRUE(game.endedWithin(5s));
    EXPECT_EQ(game.exitStatus(), 0) << game.stderrText();
    EXPECT_FALSE(fs::exists(dir.path() + "/settings.ini"));
}

}  // namespace
}  // namespace zanbora
