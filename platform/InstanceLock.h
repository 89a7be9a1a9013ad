#pragma once
// One running copy per game folder: the lock is held until the process ends.
#include <string>

#include "platform/Platform.h"

namespace zanbora {

// Held: this process now holds the lock at lockPath (or the folder cannot
// hold a lock at all, and the game runs without one). Running: another copy
// holds it. Unusable: a folder, link, FIFO or device stands at lockPath, so
// no copy could ever hold it. For the last two `why` says so in English.
InstanceLock AcquireInstanceLock(const std::string& lockPath, std::string& why);

}  // namespace zanbora
