// Where the game writes: a build folder keeps everything itself; an installed
// game uses the player's data and config folders.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <functional>

#include "game/core/Game.h"
#include "game/flow/Startup.h"
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

TEST(UserDir, AWritableBuildFolderKeepsEverythingItself) {
    TempGameDir game(false);
    EnvVar noOverride("ZANBORA_DIR", nullptr);
    const UserDirs dirs = FindUserDirs(game.path());
    EXPECT_EQ(dirs.data, game.path());
    EXPECT_EQ(dirs.config, game.path());
}

// Installed with `cmake --install --prefix ~/.local`, or run by root from
// /usr/local, the game folder is writable, but it is no place for a save.
TEST(UserDir, AnInstalledGameUsesThePlayersFoldersEvenWhenItsOwnIsWritable) {
    TempGameDir game(false);
    OpenFolder home;
    game.write(kInstalledMark, "installed\n");
    EnvVar noOverride("ZANBORA_DIR", nullptr);
    {
        EnvVar data("XDG_DATA_HOME", (home.path() + "/data").c_str());
        EnvVar config("XDG_CONFIG_HOME", (home.path() + "/config").c_str());
        const UserDirs dirs = FindUserDirs(game.path());
        EXPECT_EQ(dirs.data, home.path() + "/data/zanbora");
        EXPECT_EQ(dirs.config, home.path() + "/config/zanbora");
        EXPECT_TRUE(fs::is_directory(dirs.data));
        EXPECT_TRUE(fs::is_directory(dirs.config));
    }
    {
        // Unset or relative XDG variables do not count: the defaults under $HOME.
        EnvVar data("XDG_DATA_HOME", nullptr);
        EnvVar config("XDG_CONFIG_HOME", "relative/config");
        EnvVar homeVar("HOME", home.path().c_str());
        const UserDirs dirs = FindUserDirs(game.path());
        EXPECT_EQ(dirs.data, home.path() + "/.local/share/zanbora");
        EXPECT_EQ(dirs.config, home.path() + "/.config/zanbora");
    }
    {
        // A folder that cannot be made is still named, so the first save says
        // where it tried; nothing falls back into the game folder.
        game.write("blocker", "a file where a folder should be");
        EnvVar data("XDG_DATA_HOME", (game.path() + "/blocker").c_str());
        EXPECT_EQ(FindUserDirs(game.path()).data, game.path() + "/blocker/zanbora");
    }
    EXPECT_FALSE(fs::exists(game.path() + "/saves"));
    EXPECT_FALSE(fs::exists(game.path() + "/settings.ini"));
}

TEST(UserDir, AReadOnlyBuildFolderWritesIntoThePlayersFolders) {
    TempGameDir game(false);
    OpenFolder home;
    EnvVar noOverride("ZANBORA_DIR", nullptr);
    {
        EnvVar data("XDG_DATA_HOME", (home.path() + "/data").c_str());
        EnvVar config("XDG_CONFIG_HOME", (home.path() + "/config").c_str());
        std::string dirs = RunWithoutWriteAccess(game.path(), [&] {
            const UserDirs found = FindUserDirs(game.path());
            return found.data + "|" + found.config + (fs::is_directory(found.data) ? "" : " (missing)");
        });
        EXPECT_EQ(dirs, home.path() + "/data/zanbora|" + home.path() + "/config/zanbora");
    }
    {
        // ZANBORA_DIR names the folder to use for everything, writable or not.
        EnvVar override("ZANBORA_DIR", game.path().c_str());
        std::string dir = RunWithoutWriteAccess(game.path(), [&] {
            const UserDirs found = FindUserDirs(game.path());
            return found.data + "|" + found.config;
        });
        EXPECT_EQ(dir, game.path() + "|" + game.path());
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
