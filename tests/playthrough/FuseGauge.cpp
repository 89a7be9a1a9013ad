#include "FuseGauge.h"

#include "game/battle/BattleParts.h"

namespace zanbora::playthrough {

namespace {

constexpr int kMiddle = (kGaugeTop + kGaugeBottom) / 2;
// The fuse fills 1, 4, 9 ... 100 pixels: only the full gauge reaches here.
constexpr int kFullMark = kGaugeRight - 5;

bool Gauge(const Pixels& frame, int x, int y) {
    return x < frame.width && y < frame.height && frame.at(x, y) == kGaugeColour;
}

}  // namespace

bool FuseGaugeShown(const Pixels& frame) {
    return Gauge(frame, kGaugeLeft, kGaugeTop) && Gauge(frame, kGaugeRight, kGaugeTop) &&
           Gauge(frame, kGaugeLeft, kGaugeBottom) && Gauge(frame, kGaugeRight, kGaugeBottom) &&
           Gauge(frame, kGaugeRight, kMiddle);
}

bool FuseAtLongest(const Pixels& frame) { return FuseGaugeShown(frame) && Gauge(frame, kFullMark, kMiddle); }

}  // namespace zanbora::playthrough
