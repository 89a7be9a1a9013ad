#include "party_fixture.h"

#include <algorithm>
#include <cctype>
#include <memory>

#include "game/core/Player.h"
#include "game/flow/Startup.h"
#include "platform/KeyCodes.h"

namespace zanbora::testing {

PartyTest::PartyTest() {
    LoadGameData(game());
    SetNewHeroDefaults(game().player);
    game().clock.LastTick = tg.platform.ticks();
    // A script that loses its way ends the test within a virtual minute.
    tg.platform.quitAfterMs = tg.platform.ticks() + 60 * 1000;
}

void PartyTest::script(const std::string& steps, int frameMs) {
    game().clock.LastTick = tg.platform.ticks();
    struct State {
        size_t next = 0;
        int idleWaits = 0;
    };
    auto state = std::make_shared<State>();
    auto perform = [steps, state, frameMs](HeadlessPlatform& p) {
        const int64_t now = p.ticks();
        const char step = steps[state->next++];
        // The same direction again keeps the key down for one more frame.
        const bool again = state->next < steps.size() && steps[state->next] == step;
        auto hold = [&](int key) {
            p.keyDownAt(now, key);
            if (!again) p.keyUpAt(now + frameMs + 10, key);
        };
        switch (step) {
            case 'D': hold(vk::Down); break;
            case 'U': hold(vk::Up); break;
            case 'L': hold(vk::Left); break;
            case 'R': hold(vk::Right); break;
            case 'X': p.tap(vk::X); break;
            case 'Z': p.tap(vk::Z); break;
            case 'H': p.keyDownAt(now, vk::X); break;
            default: break;
        }
    };
    tg.platform.autopilot = [steps, state, perform](HeadlessPlatform& p) {
        state->idleWaits = 0;
        if (state->next < steps.size() && steps[state->next] != 'w') perform(p);
    };
    tg.platform.onWait = [steps, state, perform](HeadlessPlatform& p) {
        if (++state->idleWaits < 3 || state->next >= steps.size() || steps[state->next] != 'w') return;
        ++state->next;
        if (state->next < steps.size()) perform(p);
    };
}

int PartyTest::played(const std::string& wave) const {
    std::string needle = wave;
    std::transform(needle.begin(), needle.end(), needle.begin(), [](unsigned char c) { return std::tolower(c); });
    return int(std::count_if(tg.platform.soundLog.begin(), tg.platform.soundLog.end(), [&](std::string line) {
        std::transform(line.begin(), line.end(), line.begin(), [](unsigned char c) { return std::tolower(c); });
        return line.find(needle) != std::string::npos;
    }));
}

}  // namespace zanbora::testing
