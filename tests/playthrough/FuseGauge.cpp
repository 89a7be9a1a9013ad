#include "FuseGauge.h"

#include <cstdint>

#include "game/core/Surface.h"

namespace zanbora::playthrough {

namespace {

constexpr uint32_t kGaugeColour = Rgb(255, 255, 100);
constexpr int kLeft = 370, kRight = 470, kTop = 280, kBottom = 290, kMiddle = 285;
// The gauge fills 1, 4, 9 ... 100 pixels: only the full one reaches here.
constexpr int kFullMark = kRight - 5;

bool Gauge(const Pixels& frame, int x, int y) {
    return x < frame.width && y < frame.height && frame.at(x, y) == kGaugeColour;
}

}  // namespace

bool FuseGaugeShown(const Pixels& frame) {
    return Gauge(frame, kLeft, kTop) && Gauge(frame, kRight, kTop) && Gauge(frame, kLeft, kBottom) &&
           Gauge(frame, kRight, kBottom) && Gauge(frame, kRight, kMiddle);
}

bool FuseAtLongest(const Pixels& frame) { return FuseGaugeShown(frame) && Gauge(frame, kFullMark, kMiddle); }

}  // namespace zanbora::playthrough
