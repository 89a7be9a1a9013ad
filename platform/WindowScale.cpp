#include "platform/WindowScale.h"

#include <algorithm>

namespace zanbora {

namespace {
constexpr int kCanvasWidth = 640, kCanvasHeight = 480;
constexpr int kTitleBar = 40;
constexpr int kDefaultLargest = 2;
}  // namespace

int FitWindowScale(int chosen, int usableWidth, int usableHeight) {
    const int fits = std::max(1, std::min(usableWidth / kCanvasWidth, (usableHeight - kTitleBar) / kCanvasHeight));
    return chosen > 0 ? std::min(chosen, fits) : std::min(fits, kDefaultLargest);
}

}  // namespace zanbora
