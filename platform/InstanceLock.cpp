#include "platform/InstanceLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zanbora {

bool AcquireInstanceLock(const std::string& lockPath) {
    // Never through a link (O_NOFOLLOW), never waiting on a FIFO (O_NONBLOCK),
    // and only ever a plain file: a planted lock cannot make the game create
    // or touch a file anywhere else. The lock file is never written.
    int fd = open(lockPath.c_str(), O_RDONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0644);
    // A folder that cannot hold the lock must not keep the game from starting.
    if (fd < 0) return true;
    struct stat st {};
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        close(fd);
        return true;
    }
    if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        close(fd);
        return false;
    }
    return true;  // the descriptor stays open: the lock lives as long as the process
}

}  // namespace zanbora
