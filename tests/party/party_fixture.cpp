#include "party_fixture.h"

#include <algorithm>
#include <cctype>
#include <memory>

#include "game/party/Player.h"
#include "game/shell/Startup.h"
#include "platform/KeyCodes.h"

namespace zanbora::testing {

PartyTest::PartyTest() {
    LoadGameData(game());
    SetNewHeroDefaults(game().player);
    game().clock.LastTick = tg.platform.ticks();
}

void PartyTest::script(const std::string& steps, int frameMs) {
    game().clock.LastTick = tg.platform.ticks();
    auto next = std::make_shared<size_t>(0);
    tg.platform.autopilot = [steps, next, frameMs](HeadlessPlatform& p) {
        if (*next >= steps.size()) return;
        const int64_t now = p.ticks();
        auto hold = [&](int key) {
            p.keyDownAt(now, key);
            p.keyUpAt(now + frameMs + 10, key);
        };
        switch (steps[(*next)++]) {
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
