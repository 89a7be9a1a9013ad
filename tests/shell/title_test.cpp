// The opening at start-up: its timing, its music and the skip key.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "game/flow/Title.h"
#include "platform/AppDir.h"
#include "platform/KeyCodes.h"
#include "support/TestGame.h"

using namespace zanbora;
using zanbora::testing::TestGame;

namespace {

constexpr int kLogoFrames = 41, kBannerFrames = 20;

struct TitleTest : ::testing::Test {
    TitleTest() {
        t.platform.onPresent = [this](const Pixels&) { frameTimes.push_back(t.platform.ticks()); };
    }
    // Presses decide ms after the opening began.
    void SkipAt(int64_t ms) {
        const int64_t start = t.platform.ticks();
        t.platform.keyDownAt(start + ms, vk::X);
        t.platform.keyUpAt(start + ms + 120, vk::X);
    }
    int Count(const std::string& command) {
        return int(std::count_if(t.platform.soundLog.begin(), t.platform.soundLog.end(),
                                 [&](const std::string& line) { return line.rfind(command, 0) == 0; }));
    }
    // The screen shows nothing but the title picture.
    void ExpectTitleScreen() {
        Pixels title;
        ASSERT_TRUE(t.platform.loadPicture(ResolveGamePath(game.AppDir, "\\cg\\title.jpg"), title));
        ASSERT_TRUE(game.Pic.hasBackground());
        for (int y = 0; y < 350; y += 7)
            for (int x = 0; x < 512; x += 7) ASSERT_EQ(game.Pic.at(x, y), title.at(x, y)) << x << ", " << y;
    }

    TestGame t;
    Game& game = *t.game;
    std::vector<int64_t> frameTimes;
};

TEST_F(TitleTest, UnskippedTheZoomTakesItsFramesAndTheMusicStartsOnce) {
    Demo(game);
    EXPECT_EQ(int(frameTimes.size()), kLogoFrames + kBannerFrames + 70);  // m = 1, 6, ..., 346
    EXPECT_EQ(Count("music open"), 1);
    EXPECT_EQ(Count("music play"), 1);
    EXPECT_EQ(game.music.BgmFile, "data2.mid");
    ExpectTitleScreen();
}

TEST_F(TitleTest, AtDrawSkip3TheZoomTakes24FramesOf150Ms) {
    game.clock.DrawSkip = 3;
    Demo(game);
    ASSERT_EQ(int(frameTimes.size()), kLogoFrames + kBannerFrames + 24);  // m = 1, 16, ..., 346
    for (size_t i = kLogoFrames + kBannerFrames + 1; i < frameTimes.size(); ++i)
        EXPECT_EQ(frameTimes[i] - frameTimes[i - 1], 150) << "zoom frame " << i - kLogoFrames - kBannerFrames;
    for (size_t i = 1; i < kLogoFrames; ++i) EXPECT_EQ(frameTimes[i] - frameTimes[i - 1], 50) << "logo frame " << i;
    ExpectTitleScreen();
}

TEST_F(TitleTest, ASkipDuringTheLogoGoesStraightToTheTitleWithItsMusicOnce) {
    SkipAt(300);
    Demo(game);
    EXPECT_LT(int(frameTimes.size()), 10);
    EXPECT_EQ(Count("wave"), 1) << "the banner's sound never plays";
    EXPECT_EQ(Count("music open"), 1);
    EXPECT_EQ(Count("music play"), 1);
    EXPECT_EQ(game.music.BgmFile, "data2.mid");
    ExpectTitleScreen();
}

TEST_F(TitleTest, ASkipAfterTheMusicStartedDoesNotRestartIt) {
    // Logo 41 x 50 ms, 100 ms, banner 20 x 50 ms: the pause after the banner.
    SkipAt(41 * 50 + 100 + 20 * 50 + 300);
    Demo(game);
    EXPECT_EQ(int(frameTimes.size()), kLogoFrames + kBannerFrames);
    EXPECT_EQ(Count("music open"), 1);
    EXPECT_EQ(Count("music play"), 1);
    ExpectTitleScreen();
}

}  // namespace
