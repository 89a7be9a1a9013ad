// The message window driven through the headless platform: typing pace,
// the decide key's shortcut, the act key left for WaitKey, the prompt.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "game/core/Frame.h"
#include "game/core/Player.h"
#include "game/story/Script.h"
#include "game/story/StoryLines.h"
#include "game/view/MessageWindow.h"
#include "platform/KeyCodes.h"
#include "support/TestGame.h"

using namespace zanbora;
using zanbora::testing::TestGame;

namespace {

int Clicks(const TestGame& t) {
    return int(std::count_if(t.platform.soundLog.begin(), t.platform.soundLog.end(),
                             [](const std::string& s) { return s.find("men12") != std::string::npos; }));
}

// Lit pixels of Pic in the character cell `index` of a line at (30, y).
int LitInCell(const Game& game, int y, int index) {
    int lit = 0;
    for (int py = y; py < y + 18; ++py)
        for (int px = 30 + 19 * index; px < 30 + 19 * (index + 1); ++px)
            if (game.Pic.at(px, py) != 0) ++lit;
    return lit;
}

struct MessageWindowTest : ::testing::Test {
    TestGame t;
    Game& game = *t.game;
    void SetUp() override {
        SetNewHeroDefaults(game.player);
        game.clock.LastTick = t.platform.ticks();
        game.Pic.setBackColour(0);
    }
};

}  // namespace

TEST_F(MessageWindowTest, TypesOneCharacterPerFiftyMsFrameWithAClickEach) {
    const int64_t start = t.platform.ticks();
    const int framesBefore = t.platform.frameCount();
    std::vector<int> litPerFrame;
    t.platform.onPresent = [&](const Pixels&) {
        int cells = 0;
        for (int i = 0; i < 5; ++i) cells += LitInCell(game, 290, i) > 0;
        litPerFrame.push_back(cells);
    };
    TypeText(game, "あいう A", 30, 290);  // five characters, eleven bytes
    EXPECT_EQ(t.platform.frameCount() - framesBefore, 5);
    EXPECT_EQ(t.platform.ticks() - start, 4 * 50);
    EXPECT_EQ(Clicks(t), 5);
    // One more cell each frame; the space cell stays dark.
    EXPECT_EQ(litPerFrame, (std::vector<int>{1, 2, 3, 3, 4}));
    EXPECT_GT(LitInCell(game, 290, 4), 0);  // "A" on the fifth cell: the grid counts characters
    EXPECT_EQ(LitInCell(game, 290, 5), 0);
}

TEST_F(MessageWindowTest, DecideDuringTheFirstCharacterShowsTheLineAndReturnsWithoutAPresent) {
    game.keys.KeyDecide = true;
    const int frames = t.platform.frameCount();
    const int64_t start = t.platform.ticks();
    TypeText(game, "はやおくり", 30, 310);
    EXPECT_EQ(t.platform.frameCount(), frames);
    EXPECT_EQ(t.platform.ticks(), start);
    EXPECT_FALSE(game.keys.KeyDecide);
    EXPECT_EQ(Clicks(t), 1);
    for (int i = 0; i < 5; ++i) EXPECT_GT(LitInCell(game, 310, i), 0) << i;
    // The flag was consumed: the next line types normally.
    TypeText(game, "つぎ", 30, 330);
    EXPECT_EQ(t.platform.frameCount(), frames + 2);
    EXPECT_EQ(t.platform.ticks(), start + 50);
}

TEST_F(MessageWindowTest, DecidePressedMidLineFinishesItAtOnce) {
    const int64_t start = t.platform.ticks();
    t.platform.keyDownAt(start + 60, vk::X);
    t.platform.keyUpAt(start + 80, vk::X);
    TypeText(game, "ながいながいおはなしのはじまり", 30, 290);
    // Typed 0 and 1, the press arrives in the second wait: character 2 is
    // the last one drawn by typing, the rest appear together.
    EXPECT_EQ(t.platform.ticks() - start, 100);
    EXPECT_EQ(Clicks(t), 3);
    for (int i = 0; i < 15; ++i) EXPECT_GT(LitInCell(game, 290, i), 0) << i;
}

TEST_F(MessageWindowTest, ActWhileTypingDoesNotHurryButTheFollowingWaitKeyReturnsAtOnce) {
    const int64_t start = t.platform.ticks();
    t.platform.keyDownAt(start + 20, vk::Z);
    t.platform.keyUpAt(start + 1000, vk::Z);
    TypeText(game, "ゆっくり", 30, 290);
    EXPECT_EQ(t.platform.ticks() - start, 150);
    EXPECT_TRUE(game.keys.KeyAct);
    const int64_t typed = t.platform.ticks();
    WaitKey(game);
    EXPECT_EQ(t.platform.ticks(), typed);
    EXPECT_FALSE(game.keys.KeyAct);
}

TEST_F(MessageWindowTest, AnEmptyLineStillClicksAndPresentsOnce) {
    const int frames = t.platform.frameCount();
    TypeText(game, "", 30, 290);
    EXPECT_EQ(t.platform.frameCount(), frames + 1);
    EXPECT_EQ(Clicks(t), 1);
}

TEST_F(MessageWindowTest, WaitKeySleepsInTheEventWaitInsteadOfSpinning) {
    int sleeps = 0;
    t.platform.onWait = [&](HeadlessPlatform&) { ++sleeps; };
    const int64_t start = t.platform.ticks();
    t.platform.keyDownAt(start + 2000, vk::Space);
    WaitKey(game);
    EXPECT_GE(t.platform.ticks(), start + 2000);
    // Every pass sleeps until the next event or a short joystick poll.
    EXPECT_GT(sleeps, 0);
    EXPECT_LE(sleeps, 2000 / 10 + 1);
    EXPECT_FALSE(game.keys.KeyDecide);
}

TEST_F(MessageWindowTest, ClearMessageBoxBlanksTheBottomBandOnly) {
    game.Pic.setBackColour(0xFFFFFF);
    ClearMessageBox(game);
    EXPECT_EQ(game.Pic.at(0, 290), 0u);
    EXPECT_EQ(game.Pic.at(500, 349), 0u);
    EXPECT_EQ(game.Pic.at(501, 300), 0xFFFFFFu);
    EXPECT_EQ(game.Pic.at(200, 289), 0xFFFFFFu);
}

TEST_F(MessageWindowTest, ShadowTextLeavesWhiteOverGreyAndTheForeColourWhite) {
    game.Pic.foreColour = QBColor(14);
    ShadowText(game, "■", 100, 100);
    EXPECT_EQ(game.Pic.foreColour, QBColor(15));
    bool grey = false, white = false;
    for (int y = 95; y < 125; ++y)
        for (int x = 95; x < 125; ++x) {
            grey = grey || game.Pic.at(x, y) == QBColor(8);
            white = white || game.Pic.at(x, y) == QBColor(15);
        }
    EXPECT_TRUE(grey);
    EXPECT_TRUE(white);
}

TEST_F(MessageWindowTest, HoldingDownInAPromptStopsAtTheSecondOptionAndUpBringsItBack) {
    const int64_t start = t.platform.ticks();
    std::vector<int> cursors;
    t.platform.onPresent = [&](const Pixels&) { cursors.push_back(Int(game.field.Cursor)); };
    t.platform.keyDownAt(start + 10, vk::Down);
    t.platform.keyUpAt(start + 200, vk::Down);
    t.platform.keyDownAt(start + 300, vk::Up);
    t.platform.keyUpAt(start + 400, vk::Up);
    t.platform.keyDownAt(start + 500, vk::Down);
    t.platform.keyUpAt(start + 560, vk::Down);
    t.platform.keyDownAt(start + 700, vk::X);
    t.platform.keyUpAt(start + 720, vk::X);
    EXPECT_EQ(ChoicePrompt(game, {"どうする？"}, "はい", "いいえ"), 1);
    ASSERT_GT(cursors.size(), 10u);
    EXPECT_EQ(*std::max_element(cursors.begin(), cursors.end()), 1);
    EXPECT_EQ(cursors[cursors.size() * 250 / 700], 1);   // Down held: stays on the second option
    EXPECT_EQ(cursors[cursors.size() * 450 / 700], 0);   // Up brought it back
    EXPECT_FALSE(game.keys.KeyDecide);
    EXPECT_NE(t.platform.soundLog.back().find("men03"), std::string::npos);
}

TEST_F(MessageWindowTest, APromptAnsweredAtOnceChoosesTheFirstOptionAndIgnoresAct) {
    game.field.Cursor = 1;
    game.keys.KeyDecide = true;
    game.keys.KeyAct = true;
    EXPECT_EQ(ChoicePrompt(game, {"いく？", "", ""}, "いく", "やめとく"), 0);
    EXPECT_TRUE(game.keys.KeyAct);
}

// Every answer a host offers lies inside the box drawn behind it, at the
// game's own font.
TEST_F(MessageWindowTest, EveryHostsAnswersFitInsideTheChoiceBox) {
    auto promptFrame = [&](const std::string& first, const std::string& second) {
        game.keys.KeyDecide = true;  // answered at once: the frame stays on Pic
        ChoicePrompt(game, {"どうする？"}, first, second);
        return game.Pic.pixels();
    };
    const Pixels bare = promptFrame("", "");
    for (const Choice* choice : AllStoryChoices()) {
        const Pixels labelled = promptFrame(choice->first, choice->second);
        int ink = 0, outside = 0, right = 0;
        for (int y = 0; y < labelled.height; ++y)
            for (int x = 0; x < labelled.width; ++x) {
                if (labelled.at(x, y) == bare.at(x, y)) continue;
                ++ink;
                right = std::max(right, x);
                outside += x <= kChoiceBoxLeft || x >= kChoiceBoxRight || y <= kChoiceBoxTop || y >= kChoiceBoxBottom;
            }
        EXPECT_GT(ink, 0) << choice->first;
        EXPECT_EQ(outside, 0) << choice->first << " / " << choice->second << " reach x " << right;
    }
}

// A fourth line is a new page: the scenes' scripts break there with a key.
TEST_F(MessageWindowTest, AScriptsFourthLineStartsOnAClearedWindowAfterAKey) {
    const int64_t start = t.platform.ticks();
    t.platform.keyDownAt(start + 1000, vk::X);
    t.platform.keyUpAt(start + 1020, vk::X);
    int64_t fourthStarted = 0;
    bool thirdLineGone = false;
    t.platform.onPresent = [&](const Pixels&) {
        if (!fourthStarted && LitInCell(game, 290, 1) == 0 && LitInCell(game, 290, 0) > 0 &&
            t.platform.ticks() > start + 500) {
            fourthStarted = t.platform.ticks();
            thirdLineGone = LitInCell(game, 330, 0) == 0 && LitInCell(game, 310, 0) == 0;
        }
    };
    SayScript(game, {{"いちばん", "にばん", "さんばん"}, {"よ"}});
    EXPECT_GE(fourthStarted, start + 1000) << "not before the key";
    EXPECT_TRUE(thirdLineGone) << "the first page was cleared away";
    EXPECT_GT(LitInCell(game, 290, 0), 0);
    EXPECT_EQ(LitInCell(game, 310, 0), 0) << "the second page has one line only";
}
