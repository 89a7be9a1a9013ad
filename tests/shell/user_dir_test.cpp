// Where the game writes: its own folder when it may, else the player's data
// folder ($XDG_DATA_HOME/zanbora), as for a game installed under /usr.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <functional>

#include "game/shell/Game.h"
#include "game/shell/Startup.h"
#include "platform/AppDir.h"
#include "support/TestGame.h"

using namespace zanbora;
using zanbora::testing::TempGameDir;
namespace fs = std::filesystem;

namespace {

// Sets or clears an environment variable for one test, restoring it after.
class EnvVar {
public:
    EnvVar(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old, hadOld_ = true;
        value ? setenv(name, value, 1) : unsetenv(name);
    }
    ~EnvVar() { hadOld_ ? setenv(name_, old_.c_str(), 1) : unsetenv(name_); }

private:
    const char* name_;
    std::string old_;
    bool hadOld_ = false;
};

// Runs fn as a player who may not write into `readOnly`. Root may write
// anywhere, so as root fn runs in a child process that has become nobody.
// Returns what fn returned.
std::string RunWithoutWriteAccess(const std::string& readOnly, const std::function<std::string()>& fn) {
    if (geteuid() != 0) {
        chmod(readOnly.c_str(), 0555);
        std::string result = fn();
        chmod(readOnly.c_str(), 0755);
        return result;
    }
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0) return "pipe failed";
    pid_t child = fork();
    if (child == 0) {
        close(pipeEnds[0]);
        if (setgid(65534) != 0 || setuid(65534) != 0) _exit(2);
        std::string result = fn();
        ssize_t written = write(pipeEnds[1], result.data(), result.size());
        _exit(written == ssize_t(result.size()) ? 0 : 3);
    }
    close(pipeEnds[1]);
    std::string result;
    char buffer[256];
    for (ssize_t n; (n = read(pipeEnds[0], buffer, sizeof buffer)) > 0;) result.append(buffer, size_t(n));
    close(pipeEnds[0]);
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? result : "child failed";
}

// A folder anybody may write into, standing in for a player's home.
struct OpenFolder : TempGameDir {
    OpenFolder() : TempGameDir(false) { chmod(path().c_str(), 0777); }
};

}  // namespace

TEST(UserDir, AWritableGameFolderKeepsEverythingItself) {
    TempGameDir game(false);
    EnvVar noOverride("ZANBORA_DIR", nullptr);
    EXPECT_EQ(FindUserDir(game.path()), game.path());
}

TEST(UserDir, AReadOnlyGameFolderWritesIntoTheDataHome) {
    TempGameDir game(false);
    OpenFolder home;
    EnvVar noOverride("ZANBORA_DIR", nullptr);
    {
        // $XDG_DATA_HOME, made when missing.
        EnvVar xdg("XDG_DATA_HOME", (home.path() + "/data").c_str());
        std::string dir = RunWithoutWriteAccess(game.path(), [&] {
            std::string found = FindUserDir(game.path());
            return found + (fs::is_directory(found) ? "" : " (missing)");
        });
        EXPECT_EQ(dir, home.path() + "/data/zanbora");
    }
    {
        // No $XDG_DATA_HOME (or a relative one, which does not count): ~/.local/share.
        EnvVar xdg("XDG_DATA_HOME", "relative/data");
        EnvVar homeVar("HOME", home.path().c_str());
        std::string dir = RunWithoutWriteAccess(game.path(), [&] { return FindUserDir(game.path()); });
        EXPECT_EQ(dir, home.path() + "/.local/share/zanbora");
    }
    {
        // ZANBORA_DIR names the folder to use for everything, writable or not.
        EnvVar override("ZANBORA_DIR", game.path().c_str());
        std::string dir = RunWithoutWriteAccess(game.path(), [&] { return FindUserDir(game.path()); });
        EXPECT_EQ(dir, game.path());
    }
}

TEST(UserDir, TheGameReadsNameIniAndMakesSavesInTheUserFolder) {
    TempGameDir gameFolder;
    TempGameDir userFolder(false);
    userFolder.write("name.ini", "Mame\r\n3\r\n");
    gameFolder.write("name.ini", "Wrong\r\n1\r\n");
    HeadlessPlatform platform;
    Game game(platform, gameFolder.path(), userFolder.path());
    LoadGameData(game);
    EXPECT_EQ(game.start.Text1, "Mame");
    EXPECT_EQ(game.clock.DrawSkip, 3);
    EXPECT_TRUE(fs::is_directory(userFolder.path() + "/saves"));
    EXPECT_FALSE(fs::exists(gameFolder.path() + "/saves"));
}
