#pragma once
// Reading one of the game's data files whole, safely: only a regular file is
// read (a folder, a FIFO or a device such as /dev/zero is refused before a
// single byte is read, and opening never waits on a FIFO), and a file larger
// than the reader can use is refused from its size alone.
#include <cstddef>
#include <string>

namespace zanbora {

enum class FileProblem {
    None,
    Missing,       // no such file
    NoPermission,  // exists, but may not be read
    NotAFile,      // a folder, FIFO, device or socket
    TooBig,        // larger than the caller's limit (`size` says how large)
    Failed,        // any other system error (`reason` has the system's words)
};

struct FileReadResult {
    FileProblem problem = FileProblem::None;
    size_t size = 0;      // the file's size, when it could be learnt
    std::string reason;   // the system's reason for Failed
};

// Reads the whole of `path` into `bytes` when it is a regular file of at most
// `limit` bytes. On failure `bytes` is left empty.
FileReadResult ReadRegularFile(const std::string& path, size_t limit, std::string& bytes);

}  // namespace zanbora
