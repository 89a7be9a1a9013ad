// The start screen driven as a player would: keys, typed and composed text,
// clicks; what it draws, what it starts, what it refuses and deletes.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <vector>

#include "game/core/StartPlaying.h"
#include "game/flow/Startup.h"
#include "game/party/SaveFile.h"
#include "game/party/SaveFormat.h"
#include "game/party/StartScreen.h"
#include "platform/KeyCodes.h"
#include "support/TestGame.h"

using namespace zanbora;
using zanbora::testing::RunUntilEnd;
using zanbora::testing::TestGame;
namespace fs = std::filesystem;

namespace {

// One step per presented frame; each step schedules its events for the next wait.
class Script {
public:
    explicit Script(HeadlessPlatform& platform) {
        platform.autopilot = [this](HeadlessPlatform& p) {
            if (next_ < steps_.size()) steps_[next_++](p);
        };
    }
    Script& then(std::function<void(HeadlessPlatform&)> step) {
        steps_.push_back(std::move(step));
        return *this;
    }
    Script& key(int vk) {
        return then([vk](HeadlessPlatform& p) { p.tap(vk); });
    }
    Script& text(const std::string& utf8) {
        return then([utf8](HeadlessPlatform& p) { p.textAt(p.ticks(), utf8); });
    }
    Script& compose(const std::string& utf8) {
        return then([utf8](HeadlessPlatform& p) { p.composeAt(p.ticks(), utf8, 0); });
    }
    Script& click(int x, int y, int clicks = 1) {
        return then([=](HeadlessPlatform& p) { p.clickAt(p.ticks(), x, y, clicks); });
    }
    Script& check(std::function<void()> test) {
        return then([test](HeadlessPlatform&) { test(); });
    }
    // Ends the program once every step has run.
    Script& quit() {
        return then([](HeadlessPlatform& p) { p.eventAt(p.ticks(), {PlatformEvent::Kind::Quit, 0}); });
    }
    size_t done() const { return next_; }
    size_t size() const { return steps_.size(); }

private:
    std::vector<std::function<void(HeadlessPlatform&)>> steps_;
    size_t next_ = 0;
};

void WriteHero(const TestGame& t, const std::string& name, double level, double maxHp, double attack, const std::string& job) {
    Player hero;
    hero.Level = level;
    hero.MaxHp = maxHp;
    hero.Hp = maxHp;
    hero.Attack = attack;
    hero.Defence = 9;
    hero.Speed = 11;
    hero.MaxMp = 24;
    hero.Job = job;
    MapLayers map;
    map.setEvent(40, 40, 33);
    std::string bytes, problem;
    ASSERT_TRUE(SaveFileBytes(hero, map, bytes, problem)) << problem;
    t.dir.write("saves/" + name, bytes);
}

// True when `text` is drawn in white on black at (x, y) of the frame.
bool ShowsText(HeadlessPlatform& p, const std::string& text, int x, int y) {
    const Pixels mask = p.renderText(text, 15);
    const Pixels& frame = p.lastFrame();
    for (int j = 0; j < mask.height; ++j)
        for (int i = 0; i < mask.width; ++i) {
            const uint32_t alpha = mask.at(i, j) & 0xFF;
            const uint32_t shown = frame.at(x + i, y + j);
            if (alpha == 255 && shown != 0xFFFFFF) return false;
            if (alpha == 0 && shown != 0x000000) return false;
        }
    return true;
}

// Every file under a folder, to see that nothing was created anywhere.
std::vector<std::string> Tree(const std::string& root) {
    std::vector<std::string> all;
    for (auto it = fs::recursive_directory_iterator(root); it != fs::recursive_directory_iterator(); ++it) {
        if (it->is_symlink()) it.disable_recursion_pending();
        all.push_back(it->path().string());
    }
    std::sort(all.begin(), all.end());
    return all;
}

// The start screen of a game folder with its data, as after the title.
struct StartScreenGame : TestGame {
    StartScreenGame() : TestGame(true), script(platform) { LoadGameData(*game); }
    int run() {
        return RunUntilEnd([&] { ShowStartScreen(*game); });
    }
    Script script;
};

}  // namespace

TEST(StartScreen, TypingPickingDeletingAndStartingWithTheKeyboard) {
    StartScreenGame t;
    WriteHero(t, "マメ太郎", 12, 140, 33.5, "剣士");
    WriteHero(t, "アズキ", 3, 62, 12, "町民");
    Game& game = *t.game;
    game.start.Text1 = "";
    t.platform.answerOk = false;
    t.script.check([&] { EXPECT_TRUE(t.platform.textInputOn); })
        .text("マメ")
        .compose("たろう")
        .check([&] {
            EXPECT_EQ(game.start.Text1, "マメ");
            EXPECT_TRUE(ShowsText(t.platform, "Lv", 10, 60) == false);
        })
        .text("太郎")
        .check([&] { EXPECT_EQ(game.start.Text1, "マメ太郎"); })
        .key(vk::Left).key(vk::Backspace)
        .check([&] { EXPECT_EQ(game.start.Text1, "マメ郎"); })
        .key(vk::Home).key(vk::Delete).key(vk::End).text("次")
        .check([&] { EXPECT_EQ(game.start.Text1, "メ郎次"); })
        .key(vk::Tab)
        .check([&] { EXPECT_FALSE(t.platform.textInputOn); })
        .key(vk::Down)  // the first save in the list: アズキ
        .check([&] {
            EXPECT_EQ(game.start.Text1, "アズキ");
            EXPECT_TRUE(ShowsText(t.platform, "Lv3", 10, 60));
            EXPECT_TRUE(ShowsText(t.platform, "アズキ", 10, 80));
            EXPECT_TRUE(ShowsText(t.platform, "町民", 10, 100));
            EXPECT_TRUE(ShowsText(t.platform, "最大HP 62", 10, 130));
            EXPECT_TRUE(ShowsText(t.platform, "最大MP 24", 10, 150));
            EXPECT_TRUE(ShowsText(t.platform, "攻撃力 12", 10, 170));
            EXPECT_TRUE(ShowsText(t.platform, "防御力 9", 10, 190));
            EXPECT_TRUE(ShowsText(t.platform, "速度   11", 10, 210));
        })
        .key(vk::Tab).key(vk::Enter)  // 削除, answered with Cancel
        .check([&] {
            ASSERT_EQ(t.platform.messageBoxes.size(), 1u);
            EXPECT_EQ(t.platform.messageBoxes[0], "ザンボラ戦記: アズキを消去します。よろしいですか。");
            EXPECT_TRUE(fs::exists(t.dir.path() + "/saves/アズキ"));
            t.platform.answerOk = true;
        })
        .key(vk::Space)  // 削除 again, now OK
        .check([&] {
            EXPECT_EQ(t.platform.messageBoxes.size(), 2u);
            EXPECT_FALSE(fs::exists(t.dir.path() + "/saves/アズキ"));
            EXPECT_TRUE(fs::exists(t.dir.path() + "/saves/マメ太郎"));
            EXPECT_FALSE(ShowsText(t.platform, "Lv3", 10, 60));
        })
        .then([](HeadlessPlatform& p) {
            p.keyDownAt(p.ticks(), vk::Shift);
            p.tap(vk::Tab);
            p.keyUpAt(p.ticks() + 25, vk::Shift);
        })
        .key(vk::Down)  // back in the list: now マメ太郎 is first
        .check([&] {
            EXPECT_EQ(game.start.Text1, "マメ太郎");
            EXPECT_TRUE(ShowsText(t.platform, "Lv12", 10, 60));
        })
        .key(vk::Enter)
        .check([&] {
            EXPECT_FALSE(game.start.visible);
            EXPECT_EQ(game.GameState, "MOVE");
        })
        .quit();
    EXPECT_EQ(t.run(), 0);
    EXPECT_EQ(t.script.done(), t.script.size());
    EXPECT_EQ(game.player.Name, "マメ太郎");
    EXPECT_EQ(game.player.Level, 12);
    EXPECT_EQ(game.player.Attack, 33.5);
    EXPECT_EQ(game.map.eventAt(40, 40), 33);
    EXPECT_EQ(game.map.eventAt(80, 475), 25);
    EXPECT_EQ(zanbora::testing::ReadWholeFile(t.dir.path() + "/name.ini"), "\x83\x7d\x83\x81\x91\xbe\x98\x59\r\n 1 \r\n");
}

TEST(StartScreen, EnterInTheNameBoxStartsANewHeroWithTheItemList) {
    StartScreenGame t;
    Game& game = *t.game;
    game.start.Text1 = "";
    std::ifstream items(t.dir.path() + "/items.lst");
    int x = 0, y = 0, code = 0;
    char comma = 0;
    ASSERT_TRUE(items >> x >> comma >> y >> comma >> code);
    game.player.Level = 9;  // whatever was there before is not this hero's
    game.player.HeroX = 3;
    t.script.check([&] { EXPECT_TRUE(t.platform.plainKeysOn) << "the screen's keys are the keyboard's"; })
        .text("新人")
        .key(vk::Enter)
        .check([&] {
            EXPECT_FALSE(game.start.visible);
            EXPECT_FALSE(t.platform.plainKeysOn) << "in play the player's keys again";
        })
        .quit();
    EXPECT_EQ(t.run(), 0);
    EXPECT_EQ(game.player.Name, "新人");
    EXPECT_EQ(game.player.Level, 1);
    EXPECT_EQ(game.player.HeroX, 53.5);
    EXPECT_EQ(game.player.HeroY, 480.5);
    EXPECT_EQ(game.map.eventAt(x, y), code);
    EXPECT_EQ(game.map.eventAt(80, 475), 25);
    EXPECT_FALSE(fs::exists(t.dir.path() + "/saves/新人")) << "starting writes no save";
}

TEST(StartScreen, TheMouseWorksEveryControl) {
    StartScreenGame t;
    WriteHero(t, "アズキ", 3, 62, 12, "町民");
    WriteHero(t, "マメ太郎", 12, 140, 33, "剣士");
    Game& game = *t.game;
    game.start.check1 = 1;
    t.script.click(300, 83 + 20 + 5)  // second row
        .check([&] {
            EXPECT_EQ(game.start.Text1, "マメ太郎");
            EXPECT_TRUE(ShowsText(t.platform, "Lv12", 10, 60));
        })
        .click(270 + 9 * 3, 284)  // the slider at 4
        .check([&] { EXPECT_EQ(game.start.check1, 4); })
        .then([](HeadlessPlatform& p) {
            // dragged from 4 to the right end
            PlatformEvent e{PlatformEvent::Kind::MouseDown, 0};
            e.x = 297;
            e.y = 284;
            p.eventAt(p.ticks(), e);
            e.kind = PlatformEvent::Kind::MouseMove;
            e.x = 400;
            p.eventAt(p.ticks() + 3, e);
            e.kind = PlatformEvent::Kind::MouseUp;
            p.eventAt(p.ticks() + 6, e);
        })
        .check([&] { EXPECT_EQ(game.start.check1, 10); })
        .click(276, 320)
        .check([&] { EXPECT_TRUE(game.start.Check2); })
        .click(276, 320)
        .check([&] { EXPECT_FALSE(game.start.Check2); })
        .click(300, 83 + 5)
        .check([&] { EXPECT_EQ(game.start.Text1, "アズキ"); })
        .click(320, 245)  // 削除, OK
        .check([&] {
            EXPECT_EQ(t.platform.messageBoxes.size(), 1u);
            EXPECT_FALSE(fs::exists(t.dir.path() + "/saves/アズキ"));
        })
        .click(300, 83 + 5)
        .click(300, 83 + 5, 2)  // double click on マメ太郎 starts
        .check([&] { EXPECT_FALSE(game.start.visible); })
        .quit();
    EXPECT_EQ(t.run(), 0);
    EXPECT_EQ(game.player.Level, 12);
    EXPECT_EQ(game.clock.DrawSkip, 10);
    EXPECT_EQ(zanbora::testing::ReadWholeFile(t.dir.path() + "/name.ini"), "\x83\x7d\x83\x81\x91\xbe\x98\x59\r\n 10 \r\n");
}

TEST(StartScreen, AClickInTheNameBoxPutsTheCaretThere) {
    StartScreenGame t;
    Game& game = *t.game;
    game.start.Text1 = "ab";
    t.script.key(vk::Tab)
        .click(266, 59)  // before the a
        .text("x")
        .check([&] { EXPECT_EQ(game.start.Text1, "xab"); EXPECT_TRUE(t.platform.textInputOn); })
        .quit();
    EXPECT_EQ(t.run(), 0);
}

TEST(StartScreen, AnEmptyBoxNeitherStartsNorAsks) {
    StartScreenGame t;
    Game& game = *t.game;
    game.start.Text1 = "";
    t.script.key(vk::Enter)
        .key(vk::Tab).key(vk::Tab).key(vk::Enter)  // 削除
        .key(vk::Tab).key(vk::Enter)               // OK
        .check([&] {
            EXPECT_TRUE(game.start.visible);
            EXPECT_TRUE(t.platform.messageBoxes.empty());
        })
        .quit();
    EXPECT_EQ(t.run(), 0);
    EXPECT_FALSE(fs::exists(t.dir.path() + "/name.ini"));
}

TEST(StartScreen, AnEmptyNameInNameIniWaitsForThePlayer) {
    TestGame t(true);
    t.dir.write("name.ini", "\r\n3\r\n");
    LoadGameData(*t.game);
    EXPECT_EQ(t.game->start.Text1, "");
    t.platform.quitAfterMs = t.platform.ticks() + 5000;
    EXPECT_EQ(RunUntilEnd([&] { ShowStartScreen(*t.game); }), 0);
    EXPECT_GT(t.platform.frameCount(), 100) << "the screen stayed until the window was closed";
    EXPECT_EQ(t.game->start.check1, 3);
}

TEST(StartScreen, ARefusedNameSaysWhyAndTheScreenGoesOn) {
    StartScreenGame t;
    Game& game = *t.game;
    game.start.Text1 = "";
    t.script.text("../x").key(vk::Enter)
        .check([&] {
            EXPECT_TRUE(game.start.visible);
            EXPECT_EQ(game.start.Notice, "名前に「/」や「\\」は使えません。");
        })
        .key(vk::Backspace)
        .check([&] { EXPECT_EQ(game.start.Notice, ""); })
        .quit();
    EXPECT_EQ(t.run(), 0);
    EXPECT_FALSE(fs::exists(t.dir.path() + "/name.ini"));
}

TEST(StartScreen, HostileNamesCreateNothingAnywhere) {
    const std::string names[] = {
        "../x", "a/b", "/", "\\", "..\\x", "a\\b", ".hidden", ".", "..", std::string("a\0b", 3),
        std::string(1, '\0'), "\t", "a\tb", "a\nb", "a\rb", "\x1b[31m", "\x7f", "\xc2\x85", std::string(33, 'a'),
        "一二三四五六七八九十一二三四五六七八九十一二三四五六七八九十一二三", " ", "   ", "　", " 　 ",
        "\U0001F600", "𠮷野家", "한국", "\xff\xfe", "\xe3\x81", "../../name.ini", "saves/../../x", "~/.bashrc",
    };
    for (const std::string& name : names) {
        TestGame t(false);
        t.dir.write("items.lst", "11,12,5\r\n");
        const auto before = Tree(t.dir.path());
        t.game->start.Text1 = name;
        t.game->start.visible = true;
        EXPECT_EQ(RunUntilEnd([&] { PPPN(*t.game); }), -1) << name;
        EXPECT_TRUE(t.game->start.visible) << name;
        EXPECT_FALSE(t.game->start.Notice.empty()) << name;
        EXPECT_EQ(Tree(t.dir.path()), before) << name;
    }
}

TEST(StartScreen, DeletingNeverReachesOutsideTheSaves) {
    StartScreenGame t;
    Game& game = *t.game;
    t.dir.write("keep", "keep me");
    game.start.Text1 = "../keep";
    t.script.key(vk::Tab).key(vk::Tab).key(vk::Enter)
        .check([&] { EXPECT_FALSE(game.start.Notice.empty()); })
        .quit();
    EXPECT_EQ(t.run(), 0);
    EXPECT_TRUE(t.platform.messageBoxes.empty());
    EXPECT_EQ(zanbora::testing::ReadWholeFile(t.dir.path() + "/keep"), "keep me");
}

TEST(StartScreen, ALookAlikeNameIsUsedInItsCodePageForm) {
    TestGame t(true);
    t.game->start.Text1 = "マメ〜";
    t.game->GameState = "load";  // returns instead of running the main loop
    PPPN(*t.game);
    EXPECT_EQ(t.game->player.Name, "マメ～");
    EXPECT_EQ(zanbora::testing::ReadWholeFile(t.dir.path() + "/name.ini"), "\x83\x7d\x83\x81\x81\x60\r\n 1 \r\n");
    ASSERT_TRUE(WriteSave(*t.game));
    EXPECT_TRUE(fs::exists(t.dir.path() + "/saves/マメ～"));
}

TEST(Loading, ADamagedSaveSaysSoAndEndsWithoutWritingIt) {
    TestGame t(true);
    t.dir.write("saves/こわれ", " 1 \r\n 50 \r\n 50 \r\n");
    t.game->start.Text1 = "こわれ";
    EXPECT_EQ(RunUntilEnd([&] { PPPN(*t.game); }), 1);
    ASSERT_EQ(t.platform.messageBoxes.size(), 1u);
    EXPECT_NE(t.platform.messageBoxes[0].find("セーブ「こわれ」は壊れています。"), std::string::npos);
    EXPECT_EQ(zanbora::testing::ReadWholeFile(t.dir.path() + "/saves/こわれ"), " 1 \r\n 50 \r\n 50 \r\n");
}

TEST(Loading, AMissingItemListSaysSoAndEnds) {
    TestGame t(false);
    t.game->start.Text1 = "新人";
    EXPECT_EQ(RunUntilEnd([&] { PPPN(*t.game); }), 2);
    ASSERT_EQ(t.platform.messageBoxes.size(), 1u);
    EXPECT_NE(t.platform.messageBoxes[0].find("items.lst"), std::string::npos);
}

TEST(Loading, AfterADefeatTheHeroComesBackFromTheLastSave) {
    TestGame t(true);
    Game& game = *t.game;
    game.start.Text1 = "マメ太郎";
    game.player.Name = "マメ太郎";
    game.player.Level = 5;
    game.player.Money = 700;
    game.map.setEvent(30, 30, 17);
    ASSERT_TRUE(WriteSave(game));
    game.player.Level = 6;
    game.player.Hp = 0;
    game.player.Money = 20;
    game.map.setEvent(30, 30, 0);
    game.GameState = "load";
    PPPN(game);
    EXPECT_EQ(game.GameState, "MOVE");
    EXPECT_EQ(game.player.Level, 5);
    EXPECT_EQ(game.player.Hp, 50);
    EXPECT_EQ(game.player.Money, 700);
    EXPECT_EQ(game.map.eventAt(30, 30), 17);
    EXPECT_FALSE(t.platform.fullScreenShown);
}

TEST(Loading, AHeroBeatenBeforeEverSavingStartsAgainAsNew) {
    TestGame t(true);
    Game& game = *t.game;
    game.start.Text1 = "新人";
    game.player.Level = 4;
    game.player.Hp = 0;
    game.player.Job = "剣士";
    game.map.setEvent(30, 30, 17);
    game.GameState = "load";
    PPPN(game);
    EXPECT_EQ(game.GameState, "MOVE");
    EXPECT_EQ(game.player.Level, 1);
    EXPECT_EQ(game.player.Hp, 50);
    EXPECT_EQ(game.player.Job, "");
    EXPECT_EQ(game.map.eventAt(30, 30), 0);
    EXPECT_EQ(game.map.eventAt(80, 475), 25);
}

TEST(StartScreen, ALongListScrollsToKeepTheChosenSaveInSight) {
    StartScreenGame t;
    for (int i = 0; i < 10; ++i) WriteHero(t, "hero" + std::to_string(i), 1 + i, 50, 10, "町民");
    Game& game = *t.game;
    t.script.key(vk::Tab).key(vk::End)
        .check([&] {
            EXPECT_EQ(game.start.Text1, "hero9");
            EXPECT_TRUE(ShowsText(t.platform, "Lv10", 10, 60));
        })
        .key(vk::PageUp)
        .check([&] { EXPECT_EQ(game.start.Text1, "hero2"); })
        .then([](HeadlessPlatform& p) { p.wheelAt(p.ticks(), -5); })  // to the bottom of the list
        .click(300, 83 + 6 * 20 + 5)  // the last row shown
        .check([&] { EXPECT_EQ(game.start.Text1, "hero9"); })
        .click(499, 90)  // the scroll bar above its thumb turns a page back
        .click(300, 83 + 5)
        .check([&] { EXPECT_EQ(game.start.Text1, "hero0"); })
        .quit();
    EXPECT_EQ(t.run(), 0);
}

// The save holds the event layer inside its block only: the dark pit, the
// first seal keeper and the last boss stand outside it, and a game started
// from a save must still find them (else it could never be finished).
TEST(Loading, OutsideTheSavedBlockTheWorldIsAsMade) {
    TestGame t(true);
    Game& game = *t.game;
    std::ifstream items(t.dir.path() + "/items.lst");
    std::vector<std::array<int, 3>> outside;
    int x = 0, y = 0, code = 0;
    char comma = 0;
    while (items >> x >> comma >> y >> comma >> code)
        if (x < kSaveMapLeft || x > kSaveMapRight || y < kSaveMapTop || y > kSaveMapBottom) outside.push_back({x, y, code});
    ASSERT_FALSE(outside.empty()) << "the world has events outside the saved block";
    WriteHero(t, "マメ太郎", 30, 400, 90, "町民");
    game.start.Text1 = game.player.Name = "マメ太郎";
    game.GameState = "load";
    PPPN(game);
    EXPECT_EQ(game.player.Level, 30);
    EXPECT_EQ(game.map.eventAt(40, 40), 33) << "the saved block is the save's";
    for (const auto& [ex, ey, ecode] : outside) EXPECT_EQ(game.map.eventAt(ex, ey), ecode) << ex << ", " << ey;

    // A hero who has met the first seal keeper (one seal counted while the
    // second keeper still waits) does not meet him again after a load.
    game.player.Progress[17] = 1;
    game.map.setEvent(90, 358, 1);
    ASSERT_TRUE(WriteSave(game));
    game.GameState = "load";
    PPPN(game);
    EXPECT_EQ(game.map.eventAt(9, 338), 0);
    EXPECT_EQ(game.map.eventAt(90, 358), 1);
}

TEST(Loading, AfterADefeatTheCellOfTheSaveDoesNotFireAgain) {
    TestGame t(true);
    Game& game = *t.game;
    game.start.Text1 = "マメ";
    game.player.Name = "マメ";
    // Saved standing on the bean of the secret room, just met.
    game.player.HeroX = 60 - 0.5;
    game.player.HeroY = 62 - 0.9;
    ASSERT_TRUE(WriteSave(game));
    // Lost a battle far away: the game goes back to the save.
    game.player.HeroX = 89.5;
    game.player.HeroY = 51.1;
    game.field.LastCellX = 90;
    game.field.LastCellY = 52;
    game.GameState = "load";
    PPPN(game);
    EXPECT_EQ(game.GameState, "MOVE");
    EXPECT_EQ(game.field.LastCellX, 60);
    EXPECT_EQ(game.field.LastCellY, 62);
}
