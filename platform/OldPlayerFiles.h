#pragma once
// An installed game used to keep the player's files in its own folder when it
// could write there (root, or an install into the player's own folders), and
// its settings beside the saves. Those files are copied into the player's
// folders, so that a new version finds every hero of an old one.
#include <string>

#include "platform/AppDir.h"

namespace zanbora {

// Copies saves, screenshots, name.ini and clear records left in the game
// folder into dirs.data, and settings.ini from the game folder or dirs.data
// into dirs.config. Never replaces a file that is already there and never
// removes the originals. Returns how many files were copied, and says so on
// stderr when there were any (so once: the next start finds them copied).
int CopyOldPlayerFiles(const std::string& appDir, const UserDirs& dirs);

}  // namespace zanbora
