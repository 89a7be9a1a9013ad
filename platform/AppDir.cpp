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

// $XDG_DATA_HOME when it is an absolute path (relative ones are to be
// ignored), else ~/.local/share.
static std::string DataHome() {
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && xdg[0] == '/') return xdg;
    const char* home = std::getenv("HOME");
    if (!home || !*home) {
        const passwd* entry = getpwuid(getuid());
        home = entry ? entry->pw_dir : nullptr;
    }
    if (!home || !*home) return {};
    return std::string(home) + "/.local/share";
}

std::string FindUserDir(const std::string& appDir) {
    if (const char* dir = std::getenv("ZANBORA_DIR"); dir && *dir) return appDir;
    if (access(appDir.c_str(), W_OK) == 0) return appDir;
    const std::string dataHome = DataHome();
    if (dataHome.empty()) {
        std::fprintf(stderr, "ZANBORA: %s is not writable and there is no home folder; nothing can be saved\n",
                     appDir.c_str());
        return appDir;
    }
    const std::string userDir = dataHome + "/zanbora";
    std::error_code ignored;
    fs::create_directories(dataHome, ignored);
    std::string error;
    if (!EnsurePlainDirectory(userDir, error)) {
        std::fprintf(stderr, "ZANBORA: %s is not writable and %s cannot be used (%s); nothing can be saved\n",
                     appDir.c_str(), userDir.c_str(), error.c_str());
        return appDir;
    }
    std::fprintf(stderr, "ZANBORA: saves and settings are kept in %s\n", userDir.c_str());
    return userDir;
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
