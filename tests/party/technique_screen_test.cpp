// The technique screen driven by scripted keys, one step per frame.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <initializer_list>
#include <memory>
#include <string>

#include "game/core/Frame.h"
#include "game/party/TechniqueScreen.h"
#include "platform/KeyCodes.h"
#include "support/TestGame.h"

using namespace zanbora;
using zanbora::testing::TestGame;

namespace {

// Plays `steps` one per presented frame: D / U hold Down / Up into the next
// frame, X decides, Z cancels, '.' leaves the keys alone.
void Script(TestGame& t, std::string steps) {
    t.game->clock.LastTick = t.platform.ticks();
    auto next = std::make_shared<size_t>(0);
    t.platform.autopilot = [steps, next](HeadlessPlatform& p) {
        if (*next >= steps.size()) return;
        const int64_t now = p.ticks();
        switch (steps[(*next)++]) {
        case 'D': p.keyDownAt(now, vk::Down); p.keyUpAt(now + 150, vk::Down); break;
        case 'U': p.keyDownAt(now, vk::Up); p.keyUpAt(now + 150, vk::Up); break;
        case 'X': p.tap(vk::X); break;
        case 'Z': p.tap(vk::Z); break;
        default: break;
        }
    };
}

int Played(const TestGame& t, const std::string& wave) {
    return int(std::count_if(t.platform.soundLog.begin(), t.platform.soundLog.end(), [&](std::string line) {
        std::transform(line.begin(), line.end(), line.begin(), [](unsigned char c) { return std::tolower(c); });
        return line.find(wave) != std::string::npos;
    }));
}

// A new hero (row 0, "無し", is always there) who has learned `techniques`.
void Learn(Player& hero, std::initializer_list<int> techniques) {
    SetNewHeroDefaults(hero);
    for (int t : techniques) hero.Progress[t] = 1;
}

}  // namespace

TEST(TechniqueScreen, DownTwiceAndDecideChoosesTheThirdRow) {
    TestGame t;
    Game& game = *t.game;
    Learn(game.player, {1, 2});
    game.field.Cursor = game.player.Skill = 0;
    Script(t, "D.D.X");
    WzS(game);
    EXPECT_EQ(game.player.Skill, 2);
    EXPECT_EQ(game.battle.SkillChanged, 1);
    EXPECT_EQ(game.field.Cursor, 0);
    EXPECT_EQ(Played(t, "men03.wav"), 1);
    EXPECT_FALSE(game.keys.KeyDecide);
}

TEST(TechniqueScreen, CancelKeepsTheTechnique) {
    TestGame t;
    Game& game = *t.game;
    Learn(game.player, {1, 2});
    game.player.Skill = 1;
    game.field.Cursor = 1;  // the battle menu starts on the current technique
    game.battle.SkillChanged = 1;
    Script(t, "D.Z");
    WzS(game);
    EXPECT_EQ(game.player.Skill, 1);
    EXPECT_EQ(game.battle.SkillChanged, 0);
    EXPECT_EQ(game.field.Cursor, 0);
    EXPECT_EQ(Played(t, "men04.wav"), 1);
    EXPECT_EQ(Played(t, "men03.wav"), 0);
    EXPECT_FALSE(game.keys.KeyAct);
}

TEST(TechniqueScreen, DecideOnATechniqueNotLearnedStaysOnTheScreen) {
    TestGame t;
    Game& game = *t.game;
    Learn(game.player, {2});
    game.field.Cursor = 0;
    Script(t, "D.X..Z");
    WzS(game);
    EXPECT_EQ(game.player.Skill, 0);
    EXPECT_EQ(game.battle.SkillChanged, 0);
    EXPECT_EQ(Played(t, "men03.wav"), 1);  // the press is heard, nothing is chosen
    EXPECT_EQ(Played(t, "men04.wav"), 1);
}

TEST(TechniqueScreen, RowZeroPutsTheTechniqueAway) {
    TestGame t;
    Game& game = *t.game;
    Learn(game.player, {1, 2, 3});
    game.player.Skill = 3;
    game.field.Cursor = 3;
    Script(t, "U.U.U.U.X");  // the fourth Up finds the top and stays
    WzS(game);
    EXPECT_EQ(game.player.Skill, 0);
    EXPECT_EQ(game.battle.SkillChanged, 1);
}

TEST(TechniqueScreen, CursorStopsAtTheLastRow) {
    TestGame t;
    Game& game = *t.game;
    Learn(game.player, {1, 2, 3, 4, 5, 6, 7});
    game.field.Cursor = 0;
    Script(t, "D.D.D.D.D.D.D.D.X");
    WzS(game);
    EXPECT_EQ(game.player.Skill, 6);
}

TEST(TechniqueScreen, ShowsOnlyLearnedRowsWithTheirCosts) {
    TestGame t(false);
    Game& game = *t.game;
    Player& hero = game.player;
    hero.SkillFactor = 1;
    Learn(hero, {3});
    game.sheets.chr_m.fillRect(0, 0, 15, 15, Rgb(0, 255, 0));    // the pointer
    game.sheets.ch.fillRect(0, 0, 223, 31, Rgb(0, 0, 255));      // the hero figure
    game.GameState = "MOVE";
    game.field.Cursor = 3;
    Pixels screen;
    Script(t, "Z");
    t.platform.onPresent = [&](const Pixels& frame) {
        if (screen.width == 0) screen = frame;
    };
    WzS(game);
    ASSERT_EQ(screen.width, 512);

    game.Pic.clear();
    DrawText(game, "無し", 50, 30);
    DrawText(game, "ストームマメンガー", 50, 90);
    DrawText(game, "5", 220, 90);
    const Pixels& text = game.Pic.pixels();
    int differences = 0;
    for (int y = 21; y <= 179; ++y)
        for (int x = 50; x <= 259; ++x) differences += screen.at(x, y) != text.at(x, y);
    EXPECT_EQ(differences, 0);  // rows 1, 2, 4, 5 and 6 are not learned and not shown
    EXPECT_EQ(screen.at(20, 20), QBColor(15));
    EXPECT_EQ(screen.at(260, 180), QBColor(15));
    EXPECT_EQ(screen.at(30, 90), Rgb(0, 255, 0));  // pointer on row 3
    EXPECT_EQ(screen.at(45, 105), Rgb(0, 255, 0));
    EXPECT_EQ(screen.at(30, 110), 0u);
    EXPECT_EQ(screen.at(410, 310), Rgb(0, 0, 255));  // the hero stands beside the list
    EXPECT_EQ(screen.at(300, 15), QBColor(15));       // with the status panel
}
