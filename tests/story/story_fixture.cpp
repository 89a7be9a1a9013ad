#include "story_fixture.h"

#include "game/view/MessageWindow.h"
#include "platform/KeyCodes.h"

namespace zanbora::testing {

namespace {
constexpr size_t kKeptFrames = 300;
}

StoryTest::StoryTest() {
    for (const char* wave : {"men03", "men05", "men08", "men12", "btl04"})
        tg.dir.write(std::string("wave/") + wave + ".wav", "RIFF");
    tg.platform.onPresent = [this](const Pixels& frame) {
        if (keepShots) shots.push_back(frame);
        if (shots.size() > kKeptFrames) shots.pop_front();
        lastPresent_ = tg.platform.ticks();
        ++presentsSinceKey_;
    };
    // The reader lets each line type out and presses X once the game sits
    // waiting for a key (no frame for a while), or after a long run of
    // frames that wait for a choice.
    tg.platform.onWait = [this](HeadlessPlatform& platform) {
        // Frames that go by while the reader is not reading do not count
        // towards his patience: else he would press X the moment he
        // starts reading again, and X on the field opens the menu.
        if (!pressX) presentsSinceKey_ = 0;
        if (!pressX || game().keys.KeyDecide) return;
        if (platform.ticks() - lastPresent_ < 200 && presentsSinceKey_ < 200) return;
        ++keyWaits;
        presentsSinceKey_ = 0;
        platform.tap(vk::X);
    };
}

bool StoryTest::Shown(const std::string& line, int y) const {
    TestGame reference{false};
    reference.game->Pic.fillRect(0, 0, 511, 349, 0);
    ShowText(*reference.game, line, 30, y);
    const Pixels& expected = reference.game->Pic.pixels();
    // The rows of this line only (the line above may reach two rows down).
    auto same = [&](const Pixels& frame) {
        for (int py = y + 2; py < y + 20; ++py)
            for (int px = 0; px < 500; ++px)
                if (frame.at(px, py) != expected.at(px, py)) return false;
        return true;
    };
    for (const Pixels& frame : shots)
        if (same(frame)) return true;
    return false;
}

void StoryTest::TalkTo(int x, int y) {
    standIn(x, y + 1);
    walkInto("U");
}

}  // namespace zanbora::testing
