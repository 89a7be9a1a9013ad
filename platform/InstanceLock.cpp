#include "platform/InstanceLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zanbora {

namespace {

InstanceLock Unusable(const std::string& lockPath, const struct stat& st, std::string& why) {
    why = lockPath + (S_ISDIR(st.st_mode) ? " is a folder" : " is not a plain file") +
          ", so the game cannot make sure it runs only once; remove it and start again";
    return InstanceLock::Unusable;
}

}  // namespace

InstanceLock AcquireInstanceLock(const std::string& lockPath, std::string& why) {
    // Never through a link (O_NOFOLLOW), never waiting on a FIFO (O_NONBLOCK),
    // and only ever a plain file: a planted lock cannot make the game create
    // or touch a file anywhere else. The lock file is never written.
    int fd = open(lockPath.c_str(), O_RDONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0644);
    struct stat st {};
    if (fd < 0) {
        // Something else standing there would let two copies run at once;
        // a folder that cannot hold the lock must not keep the game from
        // starting.
        if (lstat(lockPath.c_str(), &st) == 0 && !S_ISREG(st.st_mode)) return Unusable(lockPath, st, why);
        return InstanceLock::Held;
    }
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        close(fd);
        return Unusable(lockPath, st, why);
    }
    if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        close(fd);
        why = "ZANBORA is already running on " + lockPath.substr(0, lockPath.rfind('/'));
        return InstanceLock::Running;
    }
    return InstanceLock::Held;  // the descriptor stays open: the lock lives as long as the process
}

}  // namespace zanbora
