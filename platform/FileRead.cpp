#include "platform/FileRead.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zanbora {

namespace {

FileReadResult FromErrno(int err) {
    FileReadResult result;
    switch (err) {
        case ENOENT:
        case ENOTDIR: result.problem = FileProblem::Missing; break;
        case EACCES:
        case EPERM: result.problem = FileProblem::NoPermission; break;
        case ENXIO:  // a FIFO without a writer, a socket
        case EISDIR: result.problem = FileProblem::NotAFile; break;
        default:
            result.problem = FileProblem::Failed;
            result.reason = std::strerror(err);
            break;
    }
    return result;
}

}  // namespace

FileReadResult ReadRegularFile(const std::string& path, size_t limit, std::string& bytes) {
    bytes.clear();
    // O_NONBLOCK: opening a FIFO returns at once instead of waiting for a writer.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return FromErrno(errno);
    FileReadResult result;
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        result = FromErrno(errno);
    } else if (!S_ISREG(st.st_mode)) {
        result.problem = FileProblem::NotAFile;
    } else if (size_t(st.st_size) > limit) {
        result.problem = FileProblem::TooBig;
        result.size = size_t(st.st_size);
    } else {
        result.size = size_t(st.st_size);
        // One byte more than the size tells a file that grows while it is read.
        bytes.resize(size_t(st.st_size) + 1);
        size_t got = 0;
        while (got < bytes.size()) {
            const ssize_t n = ::read(fd, bytes.data() + got, bytes.size() - got);
            if (n == 0) break;
            if (n < 0) {
                if (errno == EINTR) continue;
                result = FromErrno(errno);
                break;
            }
            got += size_t(n);
        }
        bytes.resize(got);
        if (result.problem == FileProblem::None && got > size_t(st.st_size)) {
            result.problem = FileProblem::Failed;
            result.reason = "the file changed while it was read";
        }
        if (result.problem != FileProblem::None) bytes.clear();
    }
    ::close(fd);
    return result;
}

}  // namespace zanbora
