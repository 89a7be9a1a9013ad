#include "platform/SafeFile.h"

#include <dirent.h>
#include <fcntl.h>

#include <cerrno>
#include <cstring>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace zanbora {

namespace {

constexpr char kTemporaryPrefix[] = ".tmp-", kTemporarySuffix[] = ".part";

std::string Reason(int err) { return std::strerror(err); }

std::string FolderOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes.remove_prefix(static_cast<size_t>(n));
    }
    return true;
}

// Makes the rename itself durable; a folder that cannot be synced (some
// file systems refuse) does not make the write a failure.
void SyncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

bool WriteFileAtomically(const std::string& path, std::string_view bytes, std::string& error) {
    const std::string folder = FolderOf(path);
    std::random_device entropy;
    int fd = -1;
    std::string temp;
    for (int attempt = 0; attempt < 16 && fd < 0; ++attempt) {
        temp = folder + "/" + kTemporaryPrefix + std::to_string(entropy()) + kTemporarySuffix;
        fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
        if (fd < 0 && errno != EEXIST) break;
    }
    if (fd < 0) {
        error = Reason(errno);
        return false;
    }
    const bool written = WriteAll(fd, bytes) && ::fsync(fd) == 0;
    const int writeErr = errno;
    if (::close(fd) != 0 || !written) {
        error = Reason(written ? errno : writeErr);
        ::unlink(temp.c_str());
        return false;
    }
    if (::rename(temp.c_str(), path.c_str()) != 0) {
        error = Reason(errno);
        ::unlink(temp.c_str());
        return false;
    }
    SyncFolder(folder);
    return true;
}

bool EnsurePlainDirectory(const std::string& dir, std::string& error) {
    struct stat st {};
    if (::lstat(dir.c_str(), &st) == 0) {
        if (S_ISDIR(st.st_mode)) return true;
        error = S_ISLNK(st.st_mode) ? "is a symbolic link" : "is not a folder";
        return false;
    }
    if (errno != ENOENT) {
        error = Reason(errno);
        return false;
    }
    if (::mkdir(dir.c_str(), 0755) != 0 && errno != EEXIST) {
        error = Reason(errno);
        return false;
    }
    return true;
}

void RemoveLeftoverTemporaries(const std::string& folder) {
    DIR* listing = ::opendir(folder.c_str());
    if (!listing) return;
    while (const dirent* entry = ::readdir(listing)) {
        const std::string_view name = entry->d_name;
        if (!name.starts_with(kTemporaryPrefix) || !name.ends_with(kTemporarySuffix)) continue;
        const std::string path = folder + "/" + std::string(name);
        struct stat st {};
        if (::lstat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode)) ::unlink(path.c_str());
    }
    ::closedir(listing);
}

}  // namespace zanbora
