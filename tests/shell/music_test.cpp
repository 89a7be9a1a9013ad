#include <gtest/gtest.h>

#include "game/core/Frame.h"
#include "game/core/Music.h"
#include "support/TestGame.h"

using namespace zanbora;
using zanbora::testing::TestGame;

namespace {

struct MusicTest : ::testing::Test {
    void SetUp() override {
        for (const char* piece : {"data1.mid", "data6.mid", "data2.mid"}) t.dir.write(std::string("midi/") + piece, "MThd");
    }
    TestGame t{false};
    Game& game = *t.game;
};

}  // namespace

TEST_F(MusicTest, NothingHappensBeforeTheTitleChoosesAPiece) {
    for (int command : {0, 1, 2}) BgmCtl(game, command);
    EXPECT_TRUE(t.platform.soundLog.empty());
}

TEST_F(MusicTest, TheFieldPieceBecomesTheUndergroundOneAroundTheHall) {
    game.player.HeroY = 400;
    ChangeMusic(game, "data1.mid");
    EXPECT_EQ(game.music.BgmFile, "data6.mid");
    EXPECT_TRUE(game.music.BgmOpen);
    EXPECT_NE(t.platform.soundLog.front().find("midi/data6.mid"), std::string::npos);
    game.player.HeroY = 300;
    ChangeMusic(game, "data1.mid");
    EXPECT_EQ(game.music.BgmFile, "data1.mid");
}

TEST_F(MusicTest, APieceThatEndedRestartsAtTheNextFrameWait) {
    ChangeMusic(game, "data2.mid");
    t.platform.soundLog.clear();
    Wait(game, 10);
    EXPECT_TRUE(t.platform.soundLog.empty());  // still playing: left alone
    t.platform.musicEnded = true;
    Wait(game, 10);
    EXPECT_EQ(t.platform.soundLog, (std::vector<std::string>{"music rewind", "music play"}));
}

TEST_F(MusicTest, AMissingPieceLeavesTheGameSilent) {
    ChangeMusic(game, "data5.mid");
    EXPECT_FALSE(game.music.BgmOpen);
    t.platform.soundLog.clear();
    Wait(game, 10);
    BgmCtl(game, 1);
    EXPECT_TRUE(t.platform.soundLog.empty());
}

TEST_F(MusicTest, EffectsAreFoundWhateverTheCaseOfTheirName) {
    t.dir.write("wave/men03.wav", "RIFF");
    PlayMen03(game);
    PlaySe(game, "\\wave\\MEN03.WAV");
    PlaySe(game, "\\wave\\nothing.WAV");
    ASSERT_EQ(t.platform.soundLog.size(), 2u);
    EXPECT_NE(t.platform.soundLog[1].find("wave/men03.wav"), std::string::npos);
}
