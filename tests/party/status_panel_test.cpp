// The hero's three displays: label texts as the player reads them, gauges,
// play time, and the numbers beside the techniques.
#include <gtest/gtest.h>

#include <initializer_list>
#include <utility>

#include "game/core/Frame.h"
#include "game/core/NumberText.h"
#include "game/core/PlayTime.h"
#include "game/core/TechniqueNames.h"
#include "game/view/StatusPanel.h"
#include "support/TestGame.h"

using namespace zanbora;
using zanbora::testing::TestGame;

namespace {

struct Line {
    std::string text;
    int x, y;
};

// The text of a panel drawn alone, as a reference picture.
Pixels TextOnly(Game& game, std::initializer_list<Line> lines) {
    game.Pic.clear();
    for (const Line& line : lines) DrawText(game, line.text, line.x, line.y);
    return game.Pic.pixels();
}

// Pixels that differ between two pictures inside a rectangle.
int Differences(const Pixels& a, const Pixels& b, int x1, int y1, int x2, int y2) {
    int count = 0;
    for (int y = y1; y <= y2; ++y)
        for (int x = x1; x <= x2; ++x) count += a.at(x, y) != b.at(x, y);
    return count;
}

int CountColour(const Pixels& p, uint32_t colour, int x1, int y1, int x2, int y2) {
    int count = 0;
    for (int y = y1; y <= y2; ++y)
        for (int x = x1; x <= x2; ++x) count += p.at(x, y) == colour;
    return count;
}

void MakeHero(Player& hero) {
    hero.Name = "マメタロウ";
    hero.Level = 3;
    hero.Hp = 41;
    hero.MaxHp = 64;
    hero.Mp = 9;
    hero.MaxMp = 20;
    hero.Attack = 12.6;
    hero.Defence = 7.5;
    hero.Speed = 11;
    hero.Exp = 20;
    hero.Money = 1234;
    hero.Job = "勇者マメ";
    hero.Skill = 1;
    hero.SkillFactor = 1;
    hero.Progress[1] = 2;
}

}  // namespace

// The panel of MakeHero's hero as the player should read it, with the
// technique line given.
Pixels ExpectedPanelText(Game& game, Line technique, Line cost) {
    // Attack shows its integer part; defence keeps its fraction.
    return TextOnly(game, {{"マメタロウ", 310, 25},
                           {"LV    \u3000" "3", 310, 45},
                           {"HP     41/64", 310, 65},
                           {"MP  \u3000 9/20", 310, 85},
                           {"攻撃力  12", 310, 105},
                           {"防御力  7.5", 310, 125},
                           {"速度 \u3000 11", 310, 145},
                           {"経験値  20", 310, 165},
                           {"金      1234銭", 310, 190},
                           {"職 勇者マメ", 310, 210},
                           technique,
                           cost});
}

TEST(StatusPanel, LabelsAreSpacedAsTheGameWritesThem) {
    TestGame t(false);
    Game& game = *t.game;
    MakeHero(game.player);
    game.Pic.clear();
    DrawStatusPanel(game);
    const Pixels panel = game.Pic.pixels();
    const Pixels expected = ExpectedPanelText(game, {"マメサンヒール", 310, 230}, {"6", 470, 230});
    // Everything inside the frame but the experience gauge's rows.
    EXPECT_EQ(Differences(panel, expected, 301, 16, 509, 185), 0);
    EXPECT_EQ(Differences(panel, expected, 301, 190, 509, 249), 0);
    EXPECT_EQ(panel.at(300, 15), QBColor(15));
    EXPECT_EQ(panel.at(510, 250), QBColor(15));
    EXPECT_EQ(panel.at(405, 15), QBColor(15));
}

TEST(StatusPanel, NoTechniqueShowsOnlyItsName) {
    TestGame t(false);
    Game& game = *t.game;
    MakeHero(game.player);
    game.player.Skill = 0;
    game.Pic.clear();
    DrawStatusPanel(game);
    const Pixels panel = game.Pic.pixels();
    const Pixels expected = ExpectedPanelText(game, {"無し", 310, 230}, {"", 470, 230});
    EXPECT_EQ(Differences(panel, expected, 301, 190, 509, 249), 0);
}

TEST(StatusPanel, ExperienceGaugeStartsPastTheLastThreshold) {
    TestGame t(false);
    Game& game = *t.game;
    const uint32_t yellow = QBColor(14);
    auto barPixels = [&](double level, double exp) {
        game.player.Level = level;
        game.player.Exp = exp;
        game.Pic.clear();
        DrawStatusPanel(game);
        return CountColour(game.Pic.pixels(), yellow, 395, 184, 511, 191);
    };
    EXPECT_EQ(barPixels(1, 5), 0);      // not past 0^3 + 5: no bar
    EXPECT_EQ(barPixels(1, 6), 4);      // a bar of length 0: one column at x 400
    EXPECT_EQ(game.Pic.at(400, 187), yellow);
    // Level 2 with 10: 400 + 100 * (10 - 1 - 6) / (8 - 1) = 442.
    EXPECT_EQ(barPixels(2, 10), 43 * 4);
    EXPECT_EQ(game.Pic.at(442, 188), yellow);
    EXPECT_NE(game.Pic.at(443, 188), yellow);
    // Experience far beyond the next level fills the gauge and stops at its end.
    EXPECT_EQ(barPixels(2, 5000), 101 * 4);
    EXPECT_EQ(game.Pic.at(500, 187), yellow);
    // The grey frame of the gauge.
    barPixels(1, 0);
    EXPECT_EQ(game.Pic.at(400, 186), QBColor(8));
    EXPECT_EQ(game.Pic.at(500, 189), QBColor(8));
}

TEST(RecordPanel, DaysWinsSavesPlayTimeAndHardMode) {
    TestGame t(false);
    Game& game = *t.game;
    Player& hero = game.player;
    hero.Days = 12;
    hero.Wins = 345;
    hero.SaveCount = 6;
    hero.Progress[12] = 3 * 3600000.0;  // three hours saved before
    hero.PlayClock = game.now() - 7 * 60000;  // and seven minutes since
    game.Pic.clear();
    DrawRecordPanel(game);
    const Pixels panel = game.Pic.pixels();
    const Pixels expected = TextOnly(game, {{"日数    12", 40, 225},
                                            {"勝利回数  \u3000" "345", 40, 245},
                                            {"セーブ回数 6", 40, 265},
                                            {"プレイ時間 3:07", 40, 285}});
    EXPECT_EQ(Differences(panel, expected, 31, 216, 229, 329), 0);
    EXPECT_EQ(panel.at(30, 215), QBColor(15));
    EXPECT_EQ(panel.at(230, 330), QBColor(15));

    hero.Progress[11] = 1;
    game.Pic.foreColour = QBColor(15);
    game.Pic.clear();
    DrawRecordPanel(game);
    EXPECT_GT(CountColour(game.Pic.pixels(), QBColor(12), 40, 300, 229, 329), 20);
    EXPECT_EQ(game.Pic.foreColour, QBColor(15));
    hero.Progress[11] = 2;  // anything but 1 is the normal mode
    game.Pic.clear();
    DrawRecordPanel(game);
    EXPECT_EQ(CountColour(game.Pic.pixels(), QBColor(12), 40, 300, 229, 329), 0);
}

TEST(RecordPanel, PanelCoversWhatWasBehindIt) {
    TestGame t(false);
    Game& game = *t.game;
    game.Pic.fillRect(0, 0, 511, 349, Rgb(0, 0, 200));
    DrawRecordPanel(game);
    EXPECT_EQ(game.Pic.at(200, 320), 0u);
    EXPECT_EQ(game.Pic.at(29, 320), Rgb(0, 0, 200));
}

TEST(PlayTime, HoursAndTwoDigitMinutes) {
    EXPECT_EQ(PlayTimeText((59 * 60 + 59) * 1000.0), "0:59");
    EXPECT_EQ(PlayTimeText(60 * 60000.0), "1:00");
    EXPECT_EQ(PlayTimeText(65 * 60000.0), "1:05");
    EXPECT_EQ(PlayTimeText((3 * 60 + 7) * 60000.0 + 999), "3:07");
    EXPECT_EQ(PlayTimeText(0), "0:00");
    EXPECT_EQ(PlayTimeText(125 * 3600000.0 + 10 * 60000.0), "125:10");
}

TEST(PlayTime, SavedTimePlusTimeSinceTheClockWasSet) {
    TestGame t(false);
    Game& game = *t.game;
    game.player.Progress[12] = 5000;
    game.player.PlayClock = game.now();
    t.platform.advance(2500);
    EXPECT_EQ(PlayTimeMs(game), 7500);
}

TEST(BattleBar, GaugesFillInProportionFromRedToYellow) {
    TestGame t(false);
    Game& game = *t.game;
    Player& hero = game.player;
    hero.Hp = 25;
    hero.MaxHp = 50;
    hero.Mp = 10;
    hero.MaxMp = 10;
    game.Pic.clear();
    DrawBattleBar(game);
    const Pixels& bar = game.Pic.pixels();
    const uint32_t half = Rgb(220, 110, 0), full = Rgb(220, 220, 0);
    // HP: filled 60..135, outlined 135..210.
    EXPECT_EQ(bar.at(60, 311), half);
    EXPECT_EQ(bar.at(135, 312), half);
    EXPECT_EQ(bar.at(170, 311), 0u);  // inside the outline
    EXPECT_EQ(bar.at(170, 310), half);
    EXPECT_EQ(bar.at(210, 312), half);
    EXPECT_EQ(bar.at(211, 312), 0u);
    // MP full: filled all the way from 290 to 440.
    EXPECT_EQ(bar.at(290, 311), full);
    EXPECT_EQ(bar.at(365, 312), full);
    EXPECT_EQ(bar.at(440, 311), full);
    EXPECT_EQ(bar.at(441, 311), 0u);
    EXPECT_EQ(bar.at(20, 260), QBColor(15));
    EXPECT_EQ(bar.at(495, 340), QBColor(15));
}

TEST(BattleBar, ZeroMaximumDrawsAnEmptyGauge) {
    TestGame t(false);
    Game& game = *t.game;
    Player& hero = game.player;
    hero.Hp = 0;
    hero.MaxHp = 0;
    hero.Mp = 3;
    hero.MaxMp = 0;
    game.Pic.clear();
    DrawBattleBar(game);
    const Pixels& bar = game.Pic.pixels();
    const uint32_t red = Rgb(220, 0, 0);
    EXPECT_EQ(bar.at(60, 310), red);  // the frame is there
    EXPECT_EQ(bar.at(210, 313), red);
    EXPECT_EQ(CountColour(bar, red, 61, 311, 209, 312), 0);  // nothing inside
    EXPECT_EQ(CountColour(bar, red, 291, 311, 439, 312), 0);
}

TEST(BattleBar, HealthBelowZeroOrAboveTheMaximumStaysInsideTheGauge) {
    TestGame t(false);
    Game& game = *t.game;
    Player& hero = game.player;
    hero.Hp = -12;
    hero.MaxHp = 50;
    hero.Mp = 30;
    hero.MaxMp = 10;
    game.Pic.clear();
    DrawBattleBar(game);
    const Pixels& bar = game.Pic.pixels();
    EXPECT_EQ(CountColour(bar, Rgb(220, 0, 0), 0, 309, 59, 314), 0);
    EXPECT_EQ(bar.at(440, 311), Rgb(220, 220, 0));
    EXPECT_EQ(CountColour(bar, Rgb(220, 220, 0), 441, 309, 511, 314), 0);
}

TEST(BattleBar, TextsAndTechnique) {
    TestGame t(false);
    Game& game = *t.game;
    Player& hero = game.player;
    hero.Name = "マメ";
    hero.Level = 12;
    hero.Hp = 80;
    hero.MaxHp = 90;
    hero.Mp = 7;
    hero.MaxMp = 33;
    hero.Skill = 4;
    game.Pic.clear();
    DrawBattleBar(game);
    const Pixels bar = game.Pic.pixels();
    const Pixels expected = TextOnly(game, {{"マメ", 60, 270},
                                            {"LV    \u3000" "12", 290, 270},
                                            {"HP     80/90", 60, 290},
                                            {"MP  \u3000 7/33", 290, 290},
                                            {"マメサン斬り", 60, 315},
                                            {"16", 250, 315}});
    EXPECT_EQ(Differences(bar, expected, 21, 261, 494, 309), 0);
    EXPECT_EQ(Differences(bar, expected, 21, 314, 494, 339), 0);
}

TEST(Techniques, NumbersBesideTheNames) {
    TestGame t(false);
    Player& hero = t.game->player;
    hero.SkillFactor = 1.3;
    hero.Progress[1] = 1;
    hero.Progress[2] = 2;
    hero.Progress[3] = 2;
    hero.Progress[5] = 1;
    hero.Progress[6] = 3;
    hero.Progress[7] = 1;
    hero.MaxMp = 15;
    hero.Level = 14;
    hero.JobSkillName = "マメサンボンバー";
    EXPECT_EQ(TechniqueNumberText(hero, 0), "");
    EXPECT_EQ(TechniqueNumberText(hero, 1), "3");   // int(1.3 * 3)
    EXPECT_EQ(TechniqueNumberText(hero, 2), "10");  // int(10.4)
    EXPECT_EQ(TechniqueNumberText(hero, 3), "13");
    EXPECT_EQ(TechniqueNumberText(hero, 4), "7");   // int(15 / 2)
    EXPECT_EQ(TechniqueNumberText(hero, 5), "7");
    EXPECT_EQ(TechniqueNumberText(hero, 6), "30");  // int(27.3 + 3)
    EXPECT_EQ(TechniqueNumberText(hero, 7), "4");   // int(14 / 7) + 2
    EXPECT_EQ(TechniqueName(hero, 5), "マメサンボンバー");
    EXPECT_EQ(TechniqueName(hero, 7), "エネルギー玉");
    EXPECT_EQ(TechniqueName(hero, 9), "");
    EXPECT_EQ(TechniqueNumberText(hero, -1), "");
}

TEST(Numbers, WholeValuesWithoutAPointFractionsWithTheirDigits) {
    EXPECT_EQ(NumberText(5), "5");
    EXPECT_EQ(NumberText(12.6), "12.6");
    EXPECT_EQ(NumberText(0.1 + 0.2), "0.3");
    EXPECT_EQ(NumberText(-0.0), "0");
    EXPECT_EQ(NumberText(-7), "-7");
    EXPECT_EQ(NumberText(550000000), "550000000");
    EXPECT_EQ(NumberText(100000), "100000");
}

TEST(NewHero, DefaultsBeforeAnySave) {
    Player hero;
    hero.Level = 9;
    hero.Money = 3;
    hero.Progress[3] = 4;
    hero.Progress[19] = 2;
    SetNewHeroDefaults(hero);
    EXPECT_EQ(hero.Level, 1);
    EXPECT_EQ(hero.MaxHp, 50);
    EXPECT_EQ(hero.Hp, 50);
    EXPECT_EQ(hero.Mp, 10);
    EXPECT_EQ(hero.MaxMp, 10);
    EXPECT_EQ(hero.Attack, 10);
    EXPECT_EQ(hero.Defence, 5);
    EXPECT_EQ(hero.Speed, 5);
    EXPECT_EQ(hero.Days, 1);
    EXPECT_EQ(hero.Money, 100000);
    EXPECT_EQ(double(hero.Progress[0]), 1);
    EXPECT_EQ(double(hero.Progress[3]), 0);
    EXPECT_EQ(hero.HeroX, 53.5);
    EXPECT_EQ(hero.HeroY, 480.5);
    EXPECT_EQ(double(hero.Progress[19]), 53.5);
    EXPECT_EQ(double(hero.Progress[20]), 480.5);
    // Set by the job, not by the defaults.
    EXPECT_EQ(hero.JobSkillName, "");
    EXPECT_EQ(hero.Job, "");
}
