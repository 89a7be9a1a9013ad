#include "platform/OldPlayerFiles.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

#include "platform/FileRead.h"
#include "platform/SafeFile.h"

namespace zanbora {

namespace fs = std::filesystem;

namespace {

// Larger than any file the game writes (a save, a screenshot, a record).
constexpr size_t kLargestPlayerFile = 16 * 1024 * 1024;

bool IsPlainFile(const fs::path& path) {
    std::error_code error;
    return fs::symlink_status(path, error).type() == fs::file_type::regular;
}

// Copies one file unless `to` exists; the copy is written whole or not at
// all, so a start that is killed midway never leaves half a save behind for
// the next start to keep.
bool CopyIfMissing(const fs::path& from, const fs::path& to) {
    std::error_code error;
    if (!IsPlainFile(from) || fs::symlink_status(to, error).type() != fs::file_type::not_found) return false;
    std::string bytes;
    if (ReadRegularFile(from.string(), kLargestPlayerFile, bytes).problem != FileProblem::None) return false;
    std::string reason;
    if (!EnsurePlainDirectory(to.parent_path().string(), reason) || !WriteFileAtomically(to.string(), bytes, reason)) {
        std::fprintf(stderr, "ZANBORA: cannot copy %s to %s (%s)\n", from.c_str(), to.c_str(), reason.c_str());
        return false;
    }
    return true;
}

// Every plain file of `folder` whose name passes `wanted`, into `into`.
template <typename Wanted>
int CopyFolderFiles(const fs::path& folder, const fs::path& into, Wanted wanted) {
    int copied = 0;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (wanted(name) && CopyIfMissing(it->path(), into / name)) ++copied;
    }
    return copied;
}

bool NotHidden(const std::string& name) { return !name.empty() && name[0] != '.'; }

}  // namespace

int CopyOldPlayerFiles(const std::string& appDir, const UserDirs& dirs) {
    const fs::path game(appDir), data(dirs.data), config(dirs.config);
    std::error_code error;
    if (fs::equivalent(game, data, error)) return 0;
    int copied = 0;
    copied += CopyFolderFiles(game / "saves", data / "saves", NotHidden);  // not the half-written .tmp files
    copied += CopyFolderFiles(game / "screenshots", data / "screenshots", NotHidden);
    copied += CopyFolderFiles(game, data, [](const std::string& name) {
        return name == "name.ini" || (NotHidden(name) && fs::path(name).extension() == ".txt");
    });
    if (CopyIfMissing(game / "settings.ini", config / "settings.ini")) ++copied;
    if (!fs::equivalent(data, config, error) && CopyIfMissing(data / "settings.ini", config / "settings.ini"))
        ++copied;
    if (copied > 0)
        std::fprintf(stderr, "ZANBORA: copied %d file%s left by an earlier version into %s and %s (nothing was replaced)\n",
                     copied, copied == 1 ? "" : "s", dirs.data.c_str(), dirs.config.c_str());
    return copied;
}

}  // namespace zanbora
