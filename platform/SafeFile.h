#pragma once
// Writing a file so that a crash, a full disk or a planted symlink can never
// leave a half-written file or change a file somewhere else: the bytes go to
// a new temporary file beside the target (created exclusively, never through
// a link), are flushed to the disk, and the temporary file is renamed over
// the target. A symlink at the target is replaced, not followed.
#include <string>
#include <string_view>

namespace zanbora {

// Writes `bytes` as the whole content of `path`. On failure the old file is
// left as it was, no temporary file stays behind, and `error` says why in a
// short human sentence (the system's reason, e.g. "Permission denied").
bool WriteFileAtomically(const std::string& path, std::string_view bytes, std::string& error);

// Removes the temporary files a write cut short (a kill, a power cut) left in
// `folder`: plain files only, never through a link. Only while no other
// copy of the game can be writing there, that is with the instance lock.
void RemoveLeftoverTemporaries(const std::string& folder);

// Creates `dir` (one level) when it is missing. Refuses a path that exists
// as a symlink or as anything but a folder, so nothing is written through it.
bool EnsurePlainDirectory(const std::string& dir, std::string& error);

}  // namespace zanbora
