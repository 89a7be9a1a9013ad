#pragma once
// One running copy per game folder: the lock is held until the process ends.
#include <string>

namespace zanbora {

// True when this process now holds the lock at lockPath; false when another
// running copy holds it.
bool AcquireInstanceLock(const std::string& lockPath);

}  // namespace zanbora
