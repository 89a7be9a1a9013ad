#include "platform/AppDir.h"

#include <strings.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <vector>

namespace zanbora {

namespace fs = std::filesystem;

std::string FindAppDir() {
    if (const char* dir = std::getenv("ZANBORA_DIR"); dir && *dir) return dir;
    std::error_code error;
    fs::path exe = fs::read_symlink("/proc/self/exe", error);
    if (error) return fs::current_path().string();
    return exe.parent_path().string();
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
