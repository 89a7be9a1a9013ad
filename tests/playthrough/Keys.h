#pragma once
// The bot's hands on the keyboard: which keys it holds, changed only
// through key events of the headless platform, as a player's fingers would.
#include <cstdint>
#include <map>
#include <set>

#include "platform/HeadlessPlatform.h"

namespace zanbora::playthrough {

class KeyHands {
public:
    explicit KeyHands(HeadlessPlatform& platform) : platform_(platform) {}
    // Holds exactly these keys (others are let go).
    void holdOnly(std::set<int> keys);
    void releaseAll() { holdOnly({}); }
    // A short press: down now, up a millisecond later, so the screen's next
    // frame wait sees the press. A press of the same key within a moment of
    // the last is not made: the screen on view may not have taken the first
    // yet, and a second would act on whatever comes next.
    void tap(int key);
    // Whether a tap of `key` now would be made.
    bool mayTap(int key) const;
    bool holding(int key) const { return held_.count(key) > 0; }

private:
    HeadlessPlatform& platform_;
    std::set<int> held_;
    std::map<int, int64_t> lastTap_;
};

// The arrow key of a direction 0 left, 1 up, 2 right, 3 down.
int ArrowKey(int direction);

}  // namespace zanbora::playthrough
