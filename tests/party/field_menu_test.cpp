// The field menu and its quit confirmation, driven by scripted keys.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>

#include "game/core/Frame.h"
#include "game/party/FieldMenu.h"
#include "party_fixture.h"

using namespace zanbora;
using zanbora::testing::PartyTest;
using zanbora::testing::RunUntilEnd;

namespace {

constexpr int kMenuFrame = 70;

class FieldMenuTest : public PartyTest {
protected:
    FieldMenuTest() {
        game().player.Job = "町民";
        game().field.Cursor = 0;
    }
    void run(const std::string& steps) {
        script(steps, kMenuFrame);
        MenuN(game());
    }
    // Lit pixels of the last shown frame in a menu row's text area.
    int litInRow(int y) const {
        const Pixels& frame = tg.platform.lastFrame();
        int lit = 0;
        for (int py = y; py < y + 16; ++py)
            for (int px = 50; px < 190; ++px) lit += frame.at(px, py) != 0;
        return lit;
    }
};

// Which screen each presented frame showed: 'M' the menu (its box's white
// left edge), 'Q' the quit confirmation (its first line above the box), in
// order and without repeats.
std::string ScreensShown(HeadlessPlatform& platform, const std::function<void()>& run) {
    std::string screens;
    platform.onPresent = [&](const Pixels& frame) {
        char screen = '?';
        if (frame.at(20, 100) == 0xFFFFFFu) screen = 'M';
        for (int x = 30; x < 200 && screen == '?'; ++x)
            if (frame.at(x, 18) == 0xFFFFFFu) screen = 'Q';
        if (screens.empty() || screens.back() != screen) screens += screen;
    };
    run();
    platform.onPresent = nullptr;
    return screens;
}

}  // namespace

TEST_F(FieldMenuTest, HealIsHiddenAndInertUntilLearned) {
    Player& hero = game().player;
    hero.Hp = 20;
    run("DD.X..Z");
    EXPECT_EQ(hero.Mp, 10);
    EXPECT_EQ(hero.Hp, 20);
    EXPECT_EQ(litInRow(70), 0);   // no text on the heal row
    EXPECT_GT(litInRow(90), 0);   // 基礎知識 keeps its place below it
    EXPECT_EQ(litInRow(110), 0);  // シムボーン not learned either
}

TEST_F(FieldMenuTest, HealCostsMpHealsAndNeverPassesMaxHp) {
    Player& hero = game().player;
    hero.Progress[1] = 1;
    hero.SkillFactor = 1;
    ASSERT_EQ(FieldHealCost(game()), 3);

    hero.Mp = 2;  // one short
    hero.Hp = 20;
    run("DD.X....................Z");
    EXPECT_EQ(hero.Mp, 2);
    EXPECT_EQ(hero.Hp, 20);

    hero.Mp = 3;
    hero.Hp = 20;
    game().field.Cursor = 0;
    run("DD.X....................Z");
    EXPECT_EQ(hero.Mp, 0);
    EXPECT_GE(hero.Hp, 40);  // 20 + at least 20
    EXPECT_LE(hero.Hp, 46);  // 20 + 20 + int(6 x r)

    hero.Mp = 10;
    hero.Hp = hero.MaxHp - 1;
    game().field.Cursor = 0;
    run("DD.X....................Z");
    EXPECT_EQ(hero.Hp, hero.MaxHp);
    EXPECT_EQ(hero.Mp, 7);
}

TEST_F(FieldMenuTest, TeleportWithAnUntouchedReturnPointLandsAtTheTrainingGround) {
    Player& hero = game().player;
    hero.Progress[7] = 1;  // 戦闘民族: the first row is 瞬間移動
    hero.HeroX = 120;
    hero.HeroY = 30;
    game().music.BgmFile = "data1.mid";
    run("X");
    EXPECT_NEAR(hero.HeroX, 53.0, 1e-9);
    EXPECT_NEAR(hero.HeroY, 479.6, 1e-9);
    EXPECT_EQ(game().field.Cursor, 0);
    EXPECT_GE(played("men10"), 1);
    EXPECT_FALSE(game().Pic.hasBackground());
}

TEST_F(FieldMenuTest, TeleportIntoTheUndergroundSwitchesTheMusic) {
    Player& hero = game().player;
    hero.Progress[7] = 1;
    hero.Progress[19] = 60;
    hero.Progress[20] = 420;
    game().music.BgmFile = "data1.mid";
    run("X");
    EXPECT_EQ(game().music.BgmFile, "data6.mid");

    hero.Progress[19] = 53.5;
    hero.Progress[20] = 200;
    game().field.Cursor = 0;
    run("X");
    EXPECT_EQ(game().music.BgmFile, "data1.mid");
}

TEST_F(FieldMenuTest, QuittingEndsTheProgramWithoutWritingAnything) {
    game().player.Name = "マメ太";
    const double saveCount = game().player.SaveCount;
    script("DDDDDD.X..D..X", kMenuFrame);
    EXPECT_NE(RunUntilEnd([&] { MenuN(game()); }), -1);
    EXPECT_EQ(game().player.SaveCount, saveCount);
    const std::string saves = tg.dir.path() + "/saves";
    EXPECT_TRUE(!std::filesystem::exists(saves) || std::filesystem::is_empty(saves));
}

TEST_F(FieldMenuTest, TheQuitConfirmationGoesBackToTheMenuOnCancelOrTheFirstAnswer) {
    // Z in the confirmation: back to the menu, whose next Z closes it.
    script("DDDDDD.X..Z..Z", kMenuFrame);
    EXPECT_EQ(ScreensShown(tg.platform, [&] { MenuN(game()); }), "MQM");
    EXPECT_EQ(played("men04"), 1) << "only the menu's own cancel sounds";

    // X on "キャンセルします。", the first answer: the confirmation put the
    // pointer there, so X answers it at once.
    game().field.Cursor = 0;
    script("DDDDDD.X..X..Z", kMenuFrame);
    EXPECT_EQ(ScreensShown(tg.platform, [&] { MenuN(game()); }), "MQM");
    EXPECT_EQ(played("men04"), 2);
    EXPECT_EQ(game().field.Cursor, 0) << "the menu is back on its first row";
    EXPECT_EQ(game().GameState, "MOVE");
}

TEST_F(FieldMenuTest, CancelUsesUpThePressThatClosesTheMenu) {
    run("..Z");
    EXPECT_FALSE(game().keys.KeyAct);
    EXPECT_FALSE(game().Pic.hasBackground());
    EXPECT_GE(played("men04"), 1);
}

TEST_F(FieldMenuTest, KnowledgeAndSimBoneLeaveTheCursorOnTheirRows) {
    run("DDD.XwZ..Z");
    EXPECT_EQ(game().field.Cursor, 3);

    game().player.Progress[6] = 1;
    game().field.Cursor = 0;
    run("DDDD.X.......Z....Z");
    EXPECT_EQ(game().field.Cursor, 4);
}

TEST_F(FieldMenuTest, SaveWritesTheHeroAndSpellsSave) {
    game().player.Name = "マメ太";
    const double saves = game().player.SaveCount;
    run("DDDDD.X" + std::string(40, '.') + "Z");
    EXPECT_EQ(game().player.SaveCount, saves + 1);
    EXPECT_GE(played("men02"), 1);
}
