// People who talk: what they say by their row and what it changes.
#include <algorithm>
#include <cstdlib>
#include <vector>

#include "game/battle/LevelUp.h"
#include "game/flow/MainLoop.h"
#include "game/story/NpcScenes.h"
#include "platform/KeyCodes.h"
#include "story_fixture.h"

namespace zanbora::testing {
namespace {

using TalkTest = StoryTest;

int FootRow(Game& game) { return Int(game.player.HeroY + 0.9); }

TEST_F(TalkTest, TheTollIsPaidWithExactlyTwoHundredSenAndTheWayIsOpen) {
    game().map.setEvent(45, 31, 1);
    game().player.Money = 200;
    standIn(45, 30);
    walkInto("D");
    EXPECT_TRUE(Shown("通りたくば金を200銭ほど持って来い。", 290));
    EXPECT_TRUE(Shown("おお！確かに頂いた。", 290));
    EXPECT_EQ(game().player.Money, 0);
    EXPECT_EQ(game().map.eventAt(45, 31), 0);
    EXPECT_EQ(soundCount("men08"), 1);
    EXPECT_EQ(footCellY(), 31) << "he stands in the gap";
    walkInto("D");
    EXPECT_EQ(footCellY(), 32) << "and walks on";
}

TEST_F(TalkTest, WithoutTheTollTheGatekeeperSendsTheHeroBackTheWayHeCame) {
    game().map.setEvent(45, 31, 1);
    game().player.Money = 199;
    standIn(45, 30);
    walkInto("D");
    EXPECT_TRUE(Shown("なんだ持ってないのか。", 290));
    EXPECT_EQ(game().player.Money, 199);
    EXPECT_EQ(game().map.eventAt(45, 31), 1);
    EXPECT_EQ(soundCount("men08"), 0);
    EXPECT_EQ(footCellY(), 30) << "back north of the gate";
    frames(3);
    EXPECT_EQ(footCellY(), 30);
    ForgetFrames();
    walkInto("D");
    EXPECT_TRUE(Shown("なんだ持ってないのか。", 290)) << "every try meets the gatekeeper again";
    EXPECT_EQ(footCellY(), 30);

    // From the south the same: back south.
    standIn(45, 32);
    walkInto("U");
    EXPECT_EQ(footCellY(), 32);
}

TEST_F(TalkTest, BothSealKeepersCountInEitherOrder) {
    game().map.setEvent(90, 358, 1);
    game().map.setEvent(9, 338, 1);
    TalkTo(90, 358);
    EXPECT_TRUE(Shown("今、第二の封印はお前のために解いたまめー。", 330));
    EXPECT_EQ(double(game().player.Progress[17]), 1);
    EXPECT_EQ(game().map.eventAt(90, 358), 0) << "he has done his part";
    EXPECT_EQ(game().map.eventAt(79, 273), 0) << "one seal is not enough";
    TalkTo(9, 338);
    EXPECT_TRUE(Shown("今、第一の封印はお前のために解いたまめー。", 330));
    EXPECT_EQ(double(game().player.Progress[17]), 2);
    EXPECT_EQ(game().map.eventAt(79, 273), 18) << "the circle to the last area appears";
}

TEST_F(TalkTest, TheStoneKeeperRemindsWhenTheStoneIsOneCellOff) {
    game().map.setEvent(60, 195, 1);
    game().map.setEvent(61, 196, 17);
    TalkTo(60, 195);
    EXPECT_TRUE(Shown("まだ、石を持ってきてないだろ。", 290));
    EXPECT_TRUE(Shown("それと持ってきたら、俺に話せ。", 330));
    EXPECT_EQ(game().map.eventAt(60, 195), 1);
    EXPECT_EQ(game().map.eventAt(61, 196), 17);
    EXPECT_EQ(game().map.eventAt(74, 478), 0);
    // He stepped in at 195.875 and stands half a cell further south.
    EXPECT_DOUBLE_EQ(game().player.HeroY + 0.9, 196.375);
}

TEST_F(TalkTest, TheWorldLoreHasAFourthPageOnlyForTheBattleFolk) {
    game().map.setEvent(40, 481, 1);
    game().player.Job = "町民";
    TalkTo(40, 481);
    EXPECT_TRUE(Shown("そのかわり、お金を払えば", 290));
    EXPECT_FALSE(Shown("でも、人間は戦闘民族が", 290));
    ForgetFrames();
    game().player.Job = "戦闘民族";
    TalkTo(40, 481);
    EXPECT_TRUE(Shown("そのかわり、お金を払えば", 290));
    EXPECT_TRUE(Shown("でも、人間は戦闘民族が", 290));
}

TEST_F(TalkTest, TheHallHostsRowsSayNothingThroughTheTalkHandler) {
    for (int row : {474, 483}) {
        tg.platform.soundLog.clear();
        ForgetFrames();
        game().player.HeroX = 40.5;
        game().player.HeroY = row + 0.5;
        mes(game());
        ASSERT_FALSE(shots.empty());
        for (int y = 290; y < 350; ++y)
            for (int x = 0; x < 500; ++x) ASSERT_EQ(shots.back().at(x, y), 0u) << "row " << row;
        EXPECT_EQ(soundCount("men12"), 0) << "no letter was typed";
    }
}

TEST_F(TalkTest, TheMentorGivesFivePicksOnTheWheel) {
    game().map.setEvent(60, 488, 1);
    game().player.GrowHp = 10;
    const double hp = game().player.MaxHp;
    TalkTo(60, 488);
    EXPECT_EQ(soundCount("men03"), 5) << "five picks made";
    EXPECT_EQ(game().battle.GrowthPicks, 0);
    EXPECT_GE(game().player.MaxHp, hp + 50);
    EXPECT_LE(game().player.MaxHp, hp + 65);
    EXPECT_EQ(game().player.Exp, 7);
    EXPECT_EQ(game().map.eventAt(60, 488), 0);
    EXPECT_TRUE(Shown("ザンボラを倒してからじゃ。", 310));
}

TEST_F(TalkTest, HostsLeaveForTheHallAndTheCastleBeanOpensTwoSprings) {
    game().map.setEvent(12, 38, 1);
    TalkTo(12, 38);
    EXPECT_EQ(game().map.eventAt(12, 38), 0);
    EXPECT_EQ(game().map.eventAt(80, 479), 1);
    game().map.setEvent(30, 67, 1);
    TalkTo(30, 67);
    EXPECT_EQ(game().map.eventAt(30, 67), 0);
    EXPECT_EQ(game().map.eventAt(80, 483), 1);
    game().map.setEvent(30, 294, 1);
    TalkTo(30, 294);
    EXPECT_TRUE(Shown("あばよ。", 310));
    EXPECT_EQ(game().map.eventAt(30, 294), 0);
    EXPECT_EQ(game().map.eventAt(74, 474), 1);
    game().map.setEvent(50, 390, 1);
    TalkTo(50, 390);
    EXPECT_EQ(game().map.eventAt(70, 419), 22);
    EXPECT_EQ(game().map.eventAt(35, 422), 22);
    EXPECT_EQ(game().map.eventAt(50, 390), 1) << "the castle bean stays";
}

TEST_F(TalkTest, TheGuideStepsTheHeroOneRowSouthBeforeSpeaking) {
    game().map.setEvent(50, 13, 1);
    TalkTo(50, 13);
    EXPECT_EQ(footCellY(), 14);
    EXPECT_TRUE(Shown("まずは東へ向かうといいマメ。", 310));
}

// The last boss greets the hero by name; a name too long for one line with
// the greeting gets a page of its own, and nothing runs past the window.
TEST_F(TalkTest, TheLastBossGreetsLongAndShortNamesInsideTheWindow) {
    game().player.Name = "マメ太郎";
    LastBossSpeech(game());
    EXPECT_TRUE(Shown("マメ太郎よく帰ってきましたね。", 290));
    EXPECT_TRUE(Shown("あなたに話しておくことがあります。", 310));

    ForgetFrames();
    game().player.Name = "とってもながいなまえのマメ太郎さん";
    LastBossSpeech(game());
    EXPECT_TRUE(Shown("とってもながいなまえのマメ太郎さん", 290));
    EXPECT_TRUE(Shown("よく帰ってきましたね。", 310));
    EXPECT_TRUE(Shown("あなたに話しておくことがあります。", 290));
    EXPECT_TRUE(Shown("手加減はせぬぞ。", 310)) << "the whole speech follows";

    // The longest name a hero can have: 32 characters, 25 on the first line.
    ForgetFrames();
    game().player.Name = "あいうえおかきくけこさしすせそたちつてとなにぬねのはひふへほまみ";
    LastBossSpeech(game());
    EXPECT_TRUE(Shown("あいうえおかきくけこさしすせそたちつてとなにぬねの", 290));
    EXPECT_TRUE(Shown("はひふへほまみ", 310));
    EXPECT_TRUE(Shown("よく帰ってきましたね。", 330));
    EXPECT_TRUE(Shown("あなたに話しておくことがあります。", 290));
}

// The keeper throws the stone west: the view follows it half a cell a frame
// from his cell to column 20 while it rises 2 pixels a frame to 80 and falls
// back at the same pace, landing where the view stops.
TEST_F(TalkTest, TheThrownStoneArcsUpToEightyPixelsAndLandsInColumnTwenty) {
    Surface& items = game().sheets.item_c;
    items.fillRect(320, 0, 339, 19, 0x00FF00);  // the stone, all green
    items.fillRect(320, 20, 339, 39, 0x000000);  // and solid
    std::vector<int> heights;  // of the stone over its row, frame by frame
    tg.platform.autopilot = [&](HeadlessPlatform& platform) {
        for (int y = 0; y < 160; ++y)
            if (platform.lastFrame().at(160, y) == 0x00FF00u) {
                heights.push_back(133 - y);
                return;
            }
    };
    game().map.setEvent(60, 196, 1);
    TalkTo(60, 196);
    ASSERT_GE(heights.size(), 81u);
    EXPECT_EQ(heights[0], 0);
    for (size_t k = 1; k <= 80; ++k) EXPECT_EQ(std::abs(heights[k] - heights[k - 1]), 2) << k;
    EXPECT_EQ(heights[40], 80) << "the top of the arc, halfway";
    EXPECT_EQ(*std::max_element(heights.begin(), heights.end()), 80);
    EXPECT_EQ(heights[80], 0) << "down again as the view reaches column 20";
    EXPECT_EQ(game().map.eventAt(20, 196), 17);
}

// The whole stone task with keys: the keeper throws, the hero walks to the
// stone, kicks it east cell by cell with Z, and talks to the keeper again.
TEST_F(TalkTest, TheStoneTaskPlayedWithKeys) {
    game().map.setEvent(60, 196, 1);
    game().map.setEvent(60, 195, 1);
    terrain(0, 190, 139, 194, 3);   // trees north of the keeper's rows
    standIn(60, 197);
    walkInto("U");
    int stone = -1;
    for (int x = 0; x < 140; ++x)
        if (game().map.eventAt(x, 196) == 17) stone = x;
    ASSERT_GE(stone, 19);
    ASSERT_LE(stone, 20);
    EXPECT_EQ(game().map.eventAt(60, 196), 0);
    EXPECT_EQ(game().map.eventAt(60, 195), 1);
    EXPECT_TRUE(Shown("わかったら早く行って来い！", 330));

    // Keys from here on go through the key handlers of the main loop's frames.
    pressX = false;
    keepShots = false;
    HeadlessPlatform& platform = tg.platform;
    auto holdKey = [&](int key, bool down) {
        if (down) platform.keyDownAt(platform.ticks(), key); else platform.keyUpAt(platform.ticks(), key);
    };
    auto frame = [&] { FieldFrame(game()); };
    auto footX = [&] { return Int(game().player.HeroX + 0.5); };
    auto stoneAt = [&] {
        for (int x = 0; x < 140; ++x)
            if (game().map.eventAt(x, 196) == 17) return x;
        return -1;
    };
    // West along the row, past the stone, to the cell west of it.
    holdKey(vk::Left, true);
    for (int i = 0; i < 2000 && footX() != stone - 1; ++i) frame();
    holdKey(vk::Left, false);
    frame();
    // Then east into the stone's cell and Z, again and again.
    for (int kicks = 0; kicks < 60 && stoneAt() != 60; ++kicks) {
        const int at = stoneAt();
        holdKey(vk::Right, true);
        for (int i = 0; i < 40 && footX() != at; ++i) frame();
        holdKey(vk::Right, false);
        platform.tap(vk::Z);
        frame();
        frame();
        ASSERT_EQ(stoneAt(), at + 1) << "kick " << kicks;
        ASSERT_EQ(FootRow(game()), 196);
    }
    ASSERT_EQ(game().map.eventAt(60, 196), 17);
    // North of the stone sits the keeper: walk round by the west and talk.
    pressX = true;
    keepShots = true;
    holdKey(vk::Up, true);
    for (int i = 0; i < 40 && FootRow(game()) != 195; ++i) frame();
    holdKey(vk::Up, false);
    holdKey(vk::Right, true);
    for (int i = 0; i < 40 && game().map.eventAt(60, 195) == 1; ++i) frame();
    holdKey(vk::Right, false);
    EXPECT_TRUE(Shown("石を持ってきたか。それならここを通そう！", 290));
    EXPECT_EQ(game().map.eventAt(60, 195), 0);
    EXPECT_EQ(game().map.eventAt(60, 196), 0) << "the stone is taken";
    EXPECT_EQ(game().map.eventAt(74, 478), 1) << "the keeper waits in the hall";
}

}  // namespace
}  // namespace zanbora::testing
