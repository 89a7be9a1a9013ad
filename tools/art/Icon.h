#pragma once
// The game's icon: the bean hero in his helmet on a patch of sky and grass,
// for the desktop's menus and the window's title bar.
#include <string>

namespace art {

// Writes the icon as a size x size PNG with a transparent surround; throws
// std::runtime_error when it cannot be written. The game draws it at 128:
// an X server takes a window icon of at most about that size in one piece.
void SaveGameIcon(const std::string& path, int size);

}  // namespace art
