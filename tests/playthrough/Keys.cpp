#include "Keys.h"

#include "platform/KeyCodes.h"

namespace zanbora::playthrough {

void KeyHands::holdOnly(std::set<int> keys) {
    const int64_t now = platform_.ticks();
    for (int key : held_)
        if (!keys.count(key)) platform_.keyUpAt(now, key);
    for (int key : keys)
        if (!held_.count(key)) platform_.keyDownAt(now, key);
    held_ = std::move(keys);
}

namespace {
constexpr int64_t kMomentMs = 150;
}

bool KeyHands::mayTap(int key) const {
    const auto last = lastTap_.find(key);
    return last == lastTap_.end() || platform_.ticks() - last->second >= kMomentMs;
}

void KeyHands::tap(int key) {
    if (!mayTap(key)) return;
    const int64_t now = platform_.ticks();
    lastTap_[key] = now;
    platform_.keyDownAt(now, key);
    platform_.keyUpAt(now + 1, key);
}

int ArrowKey(int direction) { return vk::Left + direction; }

}  // namespace zanbora::playthrough
