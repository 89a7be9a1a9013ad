// A mascot medal picked up: the music sinks while the medal shows, the
// caption names the mascot, and the music rises back to full.
#include <string>
#include <vector>

#include "game/core/Frame.h"
#include "game/story/MedalScene.h"
#include "story_fixture.h"

namespace zanbora::testing {
namespace {

using MedalSceneTest = StoryTest;

TEST_F(MedalSceneTest, TheMusicSinksTheCaptionShowsAndTheMusicRisesBack) {
    pressX = false;  // the scene waits for no key
    game().field.CellEvent = 37;
    game().monster.Picture = "mons40";
    MedalScene(game());

    std::vector<int> volumes;
    for (const std::string& line : tg.platform.soundLog)
        if (line.rfind("music volume ", 0) == 0) volumes.push_back(std::stoi(line.substr(13)));
    // Down from full in steps of 2000 while it stays at 18000 or more, then
    // up from 18000 in the same steps while it stays at full or less, then full.
    ASSERT_EQ(volumes.size(), 24u + 24u + 1u);
    EXPECT_EQ(volumes[0], 65535);
    EXPECT_EQ(volumes[23], 19535);
    EXPECT_EQ(volumes[24], 18000);
    EXPECT_EQ(volumes[47], 64000);
    EXPECT_EQ(volumes[48], 65535);
    for (size_t i = 1; i < 24; ++i) EXPECT_EQ(volumes[i - 1] - volumes[i], 2000) << i;
    for (size_t i = 25; i < 48; ++i) EXPECT_EQ(volumes[i] - volumes[i - 1], 2000) << i;
    EXPECT_EQ(soundCount("BTL04"), 1);

    // The caption over the battle ground, its four leading blanks kept: every
    // pixel the text lights at (80, 150) is lit in some frame.
    TestGame reference{false};
    Surface& expected = reference.game->Pic;
    expected.fillRect(0, 0, 511, 349, 0);
    expected.foreColour = game().Pic.foreColour;
    DrawText(*reference.game, "    ROBOのマスコットを手に入れた", 80, 150);
    auto showsCaption = [&](const Pixels& frame) {
        for (int y = 140; y < 180; ++y)
            for (int x = 60; x < 511; ++x)
                if (expected.at(x, y) == expected.foreColour && frame.at(x, y) != expected.foreColour) return false;
        return true;
    };
    int captionFrames = 0;
    for (const Pixels& frame : shots) captionFrames += showsCaption(frame);
    EXPECT_GE(captionFrames, 26) << "26 frames, and the wipe's first ones";
}

}  // namespace
}  // namespace zanbora::testing
