#include "FuzzFile.h"

#include <sys/mman.h>
#include <unistd.h>

#include <cstdlib>

namespace zanbora::fuzz {

MemoryFile::MemoryFile(const uint8_t* data, size_t size) {
    fd_ = memfd_create("fuzz-input", MFD_CLOEXEC);
    if (fd_ < 0) std::abort();
    size_t done = 0;
    while (done < size) {
        const ssize_t n = write(fd_, data + done, size - done);
        if (n <= 0) std::abort();
        done += size_t(n);
    }
    path_ = "/proc/self/fd/" + std::to_string(fd_);
}

MemoryFile::~MemoryFile() { close(fd_); }

}  // namespace zanbora::fuzz
