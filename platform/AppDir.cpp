#include "platform/AppDir.h"

#include <pwd.h>
#include <strings.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <vector>

#include "platform/SafeFile.h"

namespace zanbora {

namespace fs = std::filesystem;

std::string FindAppDir() {
    if (const char* dir = std::getenv("ZANBORA_DIR"); dir && *dir) return dir;
    std::error_code error;
    fs::path exe = fs::read_symlink("/proc/self/exe", error);
    if (error) return fs::current_path().string();
    return exe.parent_path().string();
}

static std::string HomeFolder() {
    const char* home = std::getenv("HOME");
    if (!home || !*home) {
        const passwd* entry = getpwuid(getuid());
        home = entry ? entry->pw_dir : nullptr;
    }
    return home && *home ? home : "";
}

// $<variable> when it is an absolute path (relative ones are to be ignored),
// else <home>/<fallback>; empty when there is no home either.
static std::string XdgFolder(const char* variable, const char* fallback) {
    if (const char* xdg = std::getenv(variable); xdg && xdg[0] == '/') return xdg;
    const std::string home = HomeFolder();
    return home.empty() ? home : home + "/" + fallback;
}

// <base>/zanbora, made when missing. Says on stderr why it cannot be made;
// the path is returned all the same, so that a save there fails with the
// reason and names the folder it tried.
static std::string GameFolderUnder(const std::string& base) {
    const std::string folder = base + "/zanbora";
    std::error_code ignored;
    fs::create_directories(base, ignored);
    std::string error;
    if (!EnsurePlainDirectory(folder, error))
        std::fprintf(stderr, "ZANBORA: %s cannot be used (%s); nothing can be saved there\n", folder.c_str(),
                     error.c_str());
    return folder;
}

UserDirs FindUserDirs(const std::string& appDir) {
    if (const char* dir = std::getenv("ZANBORA_DIR"); dir && *dir) return {appDir, appDir};
    std::error_code error;
    const bool installed = fs::exists(appDir + "/" + kInstalledMark, error);
    if (!installed && access(appDir.c_str(), W_OK) == 0) return {appDir, appDir};
    const std::string dataHome = XdgFolder("XDG_DATA_HOME", ".local/share");
    const std::string configHome = XdgFolder("XDG_CONFIG_HOME", ".config");
    if (dataHome.empty() || configHome.empty()) {
        std::fprintf(stderr, "ZANBORA: there is no home folder; nothing can be saved\n");
        return {appDir, appDir};
    }
    UserDirs dirs{GameFolderUnder(dataHome), GameFolderUnder(configHome)};
    std::fprintf(stderr, "ZANBORA: saves are kept in %s, settings in %s\n", dirs.data.c_str(), dirs.config.c_str());
    return dirs;
}

static std::vector<std::string> SplitComponents(const std::string& gamePath) {
    std::vector<std::string> parts;
    std::string current;
    for (char c : gamePath) {
        if (c == '\\' || c == '/') {
            if (!current.empty()) parts.push_back(current);
            current.clear();
        } else {
            current += c;
        }
    }
    if (!current.empty()) parts.push_back(current);
    return parts;
}

std::string ResolveGamePath(const std::string& appDir, const std::string& gamePath) {
    fs::path result(appDir);
    bool searching = true;
    for (const std::string& part : SplitComponents(gamePath)) {
        if (part == "." || part == "..") continue;  // a game path never leaves the folder
        fs::path exact = result / part;
        std::error_code error;
        if (searching && !fs::exists(exact, error)) {
            bool found = false;
            for (fs::directory_iterator it(result, error), end; !error && it != end; it.increment(error)) {
                if (strcasecmp(it->path().filename().c_str(), part.c_str()) == 0) {
                    exact = it->path();
                    found = true;
                    break;
                }
            }
            searching = found;
        }
        result = exact;
    }
    return result.string();
}

}  // namespace zanbora
