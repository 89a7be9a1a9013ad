#pragma once
// The window's size: the 640 x 480 canvas at a whole-number scale.

namespace zanbora {

// The scale for a usable desktop of the given size (room is kept for the
// window's title bar). A scale the player chose (1 or more) is kept when it
// fits, else the biggest that fits is used; with no choice (0) the biggest
// that fits, at most 2. Never below 1.
int FitWindowScale(int chosen, int usableWidth, int usableHeight);

}  // namespace zanbora
