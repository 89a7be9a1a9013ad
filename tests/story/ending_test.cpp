// The ending: the clear record's bytes, its password, the letters of the
// credits, and the whole ending through to the end of the program.
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "game/core/TextCodec.h"
#include "game/story/ClearRecord.h"
#include "game/story/Credits.h"
#include "game/story/Ending.h"
#include "game/view/MessageWindow.h"
#include "story_fixture.h"

namespace zanbora::testing {
namespace {

class EndingTest : public StoryTest {
protected:
    EndingTest() {
        Player& hero = game().player;
        hero.Name = "ゴン";
        hero.Job = "勇者マメ";
        hero.Level = 42;
        hero.MaxHp = 1234.5;
        hero.MaxMp = 321;
        hero.Attack = 250;
        hero.Defence = 180;
        hero.Speed = 99;
        hero.Days = 12;
        hero.Wins = 345;
        hero.SaveCount = 6;
        PlayFor(2 * 3600000 + 5 * 60000);
    }
    void PlayFor(double ms) {
        game().player.Progress[12] = ms;
        game().player.PlayClock = game().now();
    }
    std::string RecordFile() const { return tg.dir.path() + "/" + tg.game->player.Name + ".txt"; }
    static std::string Read(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        std::stringstream bytes;
        bytes << in.rdbuf();
        return bytes.str();
    }
};

TEST_F(EndingTest, TheRecordsBytesForAKnownHero) {
    game().player.Progress[11] = 1;
    const std::string text = ClearRecordText(game());
    const std::string head =
        "クリアレベル:漢\r\nゴン\r\n勇者マメ\r\nLv:42\r\nHP:1234.5\r\nMP:321\r\n攻撃力:250\r\n防御力:180\r\n"
        "速度:99\r\n日数:12\r\n勝利回数:345\r\nセーブ回数:6\r\nプレイ時間:2:05\r\nパスワード\r\n";
    ASSERT_EQ(text.substr(0, head.size()), head);
    EXPECT_EQ(text.substr(head.size()), "DO;+?*G0>=8") << "this hero's password, no line end after it";
    ASSERT_TRUE(WriteClearRecord(game()));
    std::string expected;
    ASSERT_TRUE(Utf8ToCp932(text, expected));
    EXPECT_EQ(Read(RecordFile()), expected) << "CP932 on the disk";
}

TEST_F(EndingTest, NormalModeAndPlayTimesWithTwoDigitMinutes) {
    PlayFor(2 * 3600000 + 15 * 60000);
    const std::string text = ClearRecordText(game());
    EXPECT_EQ(text.rfind("クリアレベル:ノーマル\r\n", 0), 0u);
    EXPECT_NE(text.find("\r\nプレイ時間:2:15\r\n"), std::string::npos);
}

TEST_F(EndingTest, TheSameFinishedGameGivesTheSamePassword) {
    const std::string first = ClearRecordText(game());
    for (int i = 0; i < 5; ++i) game().Rnd();
    tg.platform.advance(0);
    EXPECT_EQ(ClearRecordText(game()), first);
    // Seconds of play that do not reach the next tenth of a minute change nothing.
    PlayFor(2 * 3600000 + 5 * 60000 + 5000);
    EXPECT_EQ(ClearRecordText(game()), first);
    game().player.Wins += 1;
    EXPECT_NE(ClearRecordText(game()), first);
    // hours 2 + tenths 50 + the rest.
    EXPECT_EQ(ClearPasswordSeed(game().player, 2 * 3600000 + 5 * 60000), uint64_t(2 + 50 + 42 + 1234 + 321 + 250 + 180 + 99 + 12 + 346 + 6) % 60000 + 0);
}

TEST_F(EndingTest, ANameThatCannotNameAFileGetsAMessageAndNothingIsWritten) {
    for (const std::string& name : std::vector<std::string>{"../ゴン", ".ゴン", "a/b", "", "tab\there"}) {
        tg.platform.messageBoxes.clear();
        game().player.Name = name;
        EXPECT_FALSE(WriteClearRecord(game())) << name;
        ASSERT_EQ(tg.platform.messageBoxes.size(), 1u) << name;
        EXPECT_NE(tg.platform.messageBoxes[0].find(name + ".txt"), std::string::npos) << "the file is named";
    }
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::path(tg.dir.path()).parent_path() / "ゴン.txt"));
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(tg.dir.path())) files += entry.path().extension() == ".txt";
    EXPECT_EQ(files, 0);
}

TEST_F(EndingTest, DropInEndsWhenEveryLetterRestsOnItsLine) {
    game().rng.pinned = {0, 0.999};  // one letter from 30 above the screen, one from 89
    DropIn(game(), "マメ", 200, 160);
    TestGame reference{false};
    reference.game->Pic.fillRect(0, 0, 511, 349, 0);
    ShadowText(*reference.game, "マ", 220, 160);
    ShadowText(*reference.game, "メ", 240, 160);
    const Pixels& last = shots.back();
    for (int y = 100; y < 200; ++y)
        for (int x = 180; x < 300; ++x) ASSERT_EQ(last.at(x, y), reference.game->Pic.pixels().at(x, y)) << x << "," << y;
    const size_t landed = shots.size();
    EXPECT_GT(landed, 20u) << "they fell and bounced";
    DropOut(game(), "マメ", 200, 160);
    for (int y = 100; y < 340; ++y)
        for (int x = 180; x < 300; ++x) ASSERT_EQ(shots.back().at(x, y), 0u) << "fallen off the screen";
}

TEST_F(EndingTest, TheRollHasItsHeadingsAndTheirLineCounts) {
    const std::vector<CreditBlock>& roll = CreditRoll();
    ASSERT_EQ(roll.size(), 8u);
    const std::pair<const char*, size_t> expected[] = {
        {"", 1}, {"企画", 1}, {"プログラム・グラフィック", 1}, {"モンスター　デザイン", 1}, {"ミュージックコンポーズ", 1},
        {"キャラクターボイス", 4}, {"テストプレイ（順不同）", 12}, {"制作", 1}};
    for (size_t i = 0; i < roll.size(); ++i) {
        EXPECT_EQ(roll[i].heading, expected[i].first);
        EXPECT_EQ(roll[i].lines.size(), expected[i].second) << expected[i].first;
    }
    EXPECT_EQ(roll[0].lines[0], "ザンボラ戦記・スタッフ");
    EXPECT_EQ(roll[6].lines.back(), "ご協力ありがとうございました");
    EXPECT_EQ(roll[7].lines[0], "まめ工房");
    EXPECT_EQ(CreditLineX("制作"), 220);
}

TEST_F(EndingTest, TheWholeEndingWritesTheRecordRollsTheCreditsAndEndsTheGame) {
    tg.dir.write("midi/data7.mid", "MThd");
    // Keep the frames of the speech only; the credits are thousands of frames.
    // From the flash on, the colour of the corner beside the field view.
    std::vector<uint32_t> corner;
    size_t night = 0;  // the first frame after the night music began
    tg.platform.autopilot = [&](HeadlessPlatform& platform) {
        if (soundCount("MEN10") == 0) return;
        keepShots = false;
        if (corner.size() < 100) corner.push_back(platform.lastFrame().at(5, 5));
        if (!night && soundCount("data7.mid") > 0) night = corner.size();
    };
    const int status = RunUntilEnd([&] { EndingScene(game()); });
    EXPECT_EQ(status, 0);
    EXPECT_TRUE(Shown("たのんだぞ・・・・・・・。", 290));
    // To white in steps of 4, then the night music and to night blue in
    // steps of 8, ending on the credits' dark blue.
    ASSERT_EQ(corner.size(), 100u);
    for (int k = 0; k < 64; ++k) ASSERT_EQ(corner[k], Rgb(4 * k, 4 * k, 4 * k)) << k;
    EXPECT_EQ(night, 65u) << "the music changes between the two fades";
    EXPECT_EQ(corner[64], Rgb(255, 255, 247));
    EXPECT_EQ(corner[65], Rgb(247, 247, 243));
    EXPECT_EQ(corner[95], Rgb(7, 7, 123));
    EXPECT_EQ(corner[96], Rgb(0, 0, 120));
    EXPECT_TRUE(std::filesystem::exists(RecordFile()));
    EXPECT_GE(soundCount("data7.mid"), 1);
    std::vector<std::string> volumes;
    for (const std::string& line : tg.platform.soundLog)
        if (line.rfind("music volume ", 0) == 0) volumes.push_back(line.substr(13));
    ASSERT_GE(volumes.size(), 66u);
    EXPECT_EQ(volumes[volumes.size() - 66], "65535");
    EXPECT_EQ(volumes.back(), "535");
}

TEST_F(EndingTest, ARecordThatCannotBeWrittenIsReportedAndTheCreditsStillRoll) {
    keepShots = false;
    std::filesystem::create_directory(RecordFile());  // a folder where the file should go
    const int status = RunUntilEnd([&] { RollCredits(game()); });
    EXPECT_EQ(status, 0);
    ASSERT_EQ(tg.platform.messageBoxes.size(), 1u);
    EXPECT_NE(tg.platform.messageBoxes[0].find("ゴン.txt"), std::string::npos);
    EXPECT_GT(tg.platform.frameCount(), 100) << "the credits rolled";
}

}  // namespace
}  // namespace zanbora::testing
