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

void KeyHands::tap(int key) {
    const int64_t now = platform_.ticks();
    platform_.keyDownAt(now, key);
    platform_.keyUpAt(now + 1, key);
}

int ArrowKey(int direction) { return vk::Left + direction; }

}  // namespace zanbora::playthrough
