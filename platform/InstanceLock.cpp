#include "platform/InstanceLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace zanbora {

bool AcquireInstanceLock(const std::string& lockPath) {
    int fd = open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) return true;  // an unwritable folder must not keep the game from starting
    if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        close(fd);
        return false;
    }
    return true;  // the descriptor stays open: the lock lives as long as the process
}

}  // namespace zanbora
