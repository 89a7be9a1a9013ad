#pragma once
// The fuzzers' way of handing bytes to readers that take a path: an
// in-memory file (memfd), reached through /proc/self/fd, so nothing touches
// the disk and every run starts clean.
#include <cstddef>
#include <cstdint>
#include <string>

namespace zanbora::fuzz {

class MemoryFile {
public:
    MemoryFile(const uint8_t* data, size_t size);
    ~MemoryFile();
    MemoryFile(const MemoryFile&) = delete;
    MemoryFile& operator=(const MemoryFile&) = delete;
    const std::string& path() const { return path_; }

private:
    int fd_ = -1;
    std::string path_;
};

}  // namespace zanbora::fuzz
