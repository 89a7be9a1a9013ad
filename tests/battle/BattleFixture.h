#pragma once
// A battle on the headless platform with a known hero and opponent, and draws
// that a test pins to chosen values.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <initializer_list>
#include <string>
#include <vector>

#include "game/core/Game.h"
#include "game/core/Input.h"
#include "platform/KeyCodes.h"
#include "support/TestGame.h"

namespace zanbora::testing {

// Presses decide whenever the command menu is on the screen (its window's
// right edge at x 200 is drawn only there).
inline void DecideAtTheCommandMenu(HeadlessPlatform& p) {
    if (p.lastFrame().width == 512 && p.lastFrame().at(200, 70) == 0xFFFFFF) p.tap(vk::X);
}

class BattleTest : public ::testing::Test {
protected:
    BattleTest() {
        Game& g = game();
        g.rng.seed(20261208);
        g.GameState = "BATTLE";
        g.clock.LastTick = t.platform.ticks();
        Player& hero = g.player;
        hero.Level = 1;
        hero.Hp = hero.MaxHp = 50;
        hero.Mp = hero.MaxMp = 10;
        hero.Attack = 10;
        hero.Defence = 5;
        hero.Speed = 5;
        hero.SkillFactor = 1;
        hero.Exp = 0;
        hero.Money = 100;
        hero.HeroX = 53.5;
        hero.HeroY = 200.5;  // outside the quiet areas, so the music changes
        Monster& m = g.monster;
        m.Id = 2;
        m.Picture = "mons06";
        m.Hp = m.MaxHp = 25;
        m.Attack = 20;
        m.Defence = 1;
        m.Speed = 12;
        m.Exp = 3;
        m.Money = 7;
        m.Special = 0;
        m.Resist.fill(1);
    }

    Game& game() { return *t.game; }
    Player& hero() { return t.game->player; }
    Monster& monster() { return t.game->monster; }
    BattleState& battle() { return t.game->battle; }

    // The next draws of Rnd, in order.
    void Pin(std::initializer_list<double> draws) { game().rng.pinned.assign(draws.begin(), draws.end()); }
    bool AllPinnedDrawsUsed() const { return t.game->rng.pinned.empty(); }

    // The wave files played since the last call, lower case, without folder.
    std::vector<std::string> Waves() {
        std::vector<std::string> waves;
        for (; seen_ < t.platform.soundLog.size(); ++seen_) {
            std::string line = t.platform.soundLog[seen_];
            if (line.rfind("wave ", 0) != 0) continue;
            line = line.substr(line.find_last_of('/') + 1);
            std::transform(line.begin(), line.end(), line.begin(), [](unsigned char c) { return std::tolower(c); });
            waves.push_back(line);
        }
        return waves;
    }
    std::vector<std::string> MusicOpened() {
        std::vector<std::string> pieces;
        for (const std::string& line : t.platform.soundLog)
            if (line.rfind("music open ", 0) == 0) pieces.push_back(line.substr(line.find_last_of('/') + 1));
        return pieces;
    }

    TestGame t;

private:
    size_t seen_ = 0;
};

}  // namespace zanbora::testing
