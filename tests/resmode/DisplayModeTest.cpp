// Full-screen play as the game runs it: which mode SwitchToGameMode picks,
// what it says when the change fails, and when the saved mode comes back.
// The display-mode library is a stand-in that follows the real one's rules
// on a made-up display.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "game/core/DisplayMode.h"
#include "game/core/Game.h"
#include "game/core/Shutdown.h"
#include "platform/HeadlessPlatform.h"
#include "resmode/ModeListing.h"
#include "support/TestGame.h"

namespace zanbora {
namespace {

using resmode::VideoMode;

const VideoMode kDesktop{1024, 768, 32, 60};
const VideoMode k640x8{640, 480, 8, 60};
const VideoMode k640x16{640, 480, 16, 60};
const VideoMode k640x32{640, 480, 32, 60};
const VideoMode k800{800, 600, 32, 60};
const std::string kFailureBox = "ERROR: 解像度の変更に失敗しました";

struct MadeUpDisplay : resmode::ModeSource {
    std::vector<VideoMode> modes;
    std::optional<VideoMode> current = kDesktop;
    std::set<VideoMode, bool (*)(const VideoMode&, const VideoMode&)> refused{
        [](const VideoMode& a, const VideoMode& b) {
            return std::tie(a.width, a.height, a.bits, a.frequency) < std::tie(b.width, b.height, b.bits, b.frequency);
        }};
    std::vector<VideoMode> switchedTo;
    int32_t counter = 0;

    std::optional<VideoMode> listedMode(int32_t number) override
    {
        if (number < 0 || number >= int32_t(modes.size())) return std::nullopt;
        return modes[number];
    }
    std::optional<VideoMode> currentMode() override { return current; }
    bool switchTo(int32_t number) override
    {
        if (refused.count(modes[number])) return false;
        current = modes[number];
        switchedTo.push_back(modes[number]);
        return true;
    }
};

// The display the stand-in library's calls work on.
MadeUpDisplay* display = nullptr;

int32_t MadeUpEnumDisplay(int32_t* w, int32_t* h, int32_t* b, int32_t* f)
{
    return resmode::enumDisplay(*display, display->counter, {w, h, b, f});
}
int32_t MadeUpGetDisplay(int32_t* w, int32_t* h, int32_t* b, int32_t* f)
{
    return resmode::getDisplay(*display, {w, h, b, f});
}
int32_t MadeUpSetDisplay(int32_t* w, int32_t* h, int32_t* b, int32_t* f)
{
    return resmode::setDisplay(*display, {w, h, b, f});
}
// A broken library that never stops listing.
int32_t EndlessEnumDisplay(int32_t* w, int32_t* h, int32_t* b, int32_t* f)
{
    *w = 800, *h = 600, *b = 32, *f = 60;
    return 1;
}

class StandInResMode : public LoadedLibrary {
public:
    explicit StandInResMode(std::map<std::string, void*> calls) : calls_(std::move(calls)) {}
    void* symbol(const char* name) override
    {
        auto it = calls_.find(name);
        return it == calls_.end() ? nullptr : it->second;
    }

private:
    std::map<std::string, void*> calls_;
};

std::map<std::string, void*> WorkingCalls()
{
    return {{"EnumDisplay", reinterpret_cast<void*>(&MadeUpEnumDisplay)},
            {"GetDisplay", reinterpret_cast<void*>(&MadeUpGetDisplay)},
            {"SetDisplay", reinterpret_cast<void*>(&MadeUpSetDisplay)}};
}

// The headless machine, also noting what the full-screen window was fitted to.
class FittingPlatform : public HeadlessPlatform {
public:
    std::vector<std::pair<int, int>> fits;
    bool canShowFullScreen = true;
    void fitFullScreenWindow(int width, int height) override { fits.emplace_back(width, height); }
    bool showFullScreenWindow() override { return canShowFullScreen && HeadlessPlatform::showFullScreenWindow(); }
};

class DisplayModeTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        display = &screen;
        useLibrary(WorkingCalls());
    }

    void useLibrary(std::map<std::string, void*> calls)
    {
        platform.libraries["libResMode.so"] = [calls] { return std::make_unique<StandInResMode>(calls); };
    }
    VideoMode saved() const
    {
        const DisplayState& d = game.display;
        return {d.SavedWidth, d.SavedHeight, d.SavedBits, d.SavedFrequency};
    }

    MadeUpDisplay screen;
    testing::TempGameDir dir{false};
    FittingPlatform platform;
    Game game{platform, dir.path()};
};

TEST_F(DisplayModeTest, SixteenBitModeIsChosenOverAnEarlierEightBitOne)
{
    screen.modes = {kDesktop, k640x8, k800, k640x16, k640x32};
    SwitchToGameMode(game);
    EXPECT_EQ(game.display.FullScreen, 1);
    EXPECT_EQ(screen.switchedTo, std::vector<VideoMode>{k640x16});
    EXPECT_EQ(saved(), kDesktop);
    EXPECT_EQ(platform.fits, (std::vector<std::pair<int, int>>{{640, 480}}));
    EXPECT_TRUE(platform.messageBoxes.empty());
}

TEST_F(DisplayModeTest, DisplayWithoutSuchModeTriesTheLastListedOne)
{
    screen.modes = {kDesktop, k640x8, k800};
    SwitchToGameMode(game);
    EXPECT_EQ(game.display.FullScreen, 1);
    EXPECT_EQ(screen.switchedTo, std::vector<VideoMode>{k800});
    EXPECT_EQ(platform.fits, (std::vector<std::pair<int, int>>{{800, 600}}));
}

TEST_F(DisplayModeTest, FailedSwitchSaysSoAndIsNotUndoneAtTheEnd)
{
    screen.modes = {kDesktop, k640x16};
    screen.refused.insert(k640x16);
    SwitchToGameMode(game);
    EXPECT_EQ(game.display.FullScreen, 0);
    EXPECT_EQ(platform.messageBoxes, std::vector<std::string>{kFailureBox});
    EXPECT_TRUE(platform.fits.empty());

    EXPECT_EQ(testing::RunUntilEnd([&] { Form_Unload(game); }), 0);
    EXPECT_TRUE(screen.switchedTo.empty()) << "a failed switch must not try to restore";
    EXPECT_EQ(platform.messageBoxes.size(), 1u);
}

TEST_F(DisplayModeTest, EndOfTheProgramPutsTheSavedModeBackOnce)
{
    screen.modes = {kDesktop, k640x16};
    SwitchToGameMode(game);
    ASSERT_EQ(game.display.FullScreen, 1);

    EXPECT_EQ(testing::RunUntilEnd([&] { Form_Unload(game); }), 0);
    EXPECT_EQ(screen.current, kDesktop);
    EXPECT_EQ(saved(), kDesktop);
    EXPECT_TRUE(platform.messageBoxes.empty());

    // Ending again (a damaged save found while unloading) does not switch again.
    EXPECT_EQ(testing::RunUntilEnd([&] { EndProgram(game, 3); }), 3);
    EXPECT_EQ(screen.switchedTo, (std::vector<VideoMode>{k640x16, kDesktop}));
}

TEST_F(DisplayModeTest, GameGoingAwayInFullScreenPutsTheModeBack)
{
    screen.modes = {kDesktop, k640x16};
    {
        Game other{platform, dir.path()};
        SwitchToGameMode(other);
        ASSERT_EQ(screen.current, k640x16);
    }
    EXPECT_EQ(screen.current, kDesktop);
}

TEST_F(DisplayModeTest, FailedRestoreSaysSoAndTheProgramStillEnds)
{
    screen.modes = {kDesktop, k640x16};
    SwitchToGameMode(game);
    screen.refused.insert(kDesktop);
    EXPECT_EQ(testing::RunUntilEnd([&] { EndProgram(game, 2); }), 2);
    EXPECT_EQ(platform.messageBoxes, std::vector<std::string>{kFailureBox});
}

TEST_F(DisplayModeTest, UnknownModeInForceMeansNoSwitch)
{
    // The desktop reports its refresh as "default": there would be no way back.
    screen.modes = {kDesktop, k640x16};
    screen.current = VideoMode{1024, 768, 32, 0};
    SwitchToGameMode(game);
    EXPECT_EQ(game.display.FullScreen, 0);
    EXPECT_TRUE(screen.switchedTo.empty());
    EXPECT_EQ(platform.messageBoxes, std::vector<std::string>{kFailureBox});
}

TEST_F(DisplayModeTest, MissingOrBrokenLibraryMeansNoSwitch)
{
    screen.modes = {kDesktop, k640x16};
    platform.libraries.clear();
    SwitchToGameMode(game);
    EXPECT_EQ(game.display.FullScreen, 0);
    EXPECT_EQ(testing::RunUntilEnd([&] { Form_Unload(game); }), 0);

    Game second{platform, dir.path()};
    std::map<std::string, void*> calls = WorkingCalls();
    calls.erase("SetDisplay");
    useLibrary(calls);
    SwitchToGameMode(second);
    EXPECT_EQ(second.display.FullScreen, 0);
    EXPECT_TRUE(screen.switchedTo.empty());
    EXPECT_EQ(platform.messageBoxes, (std::vector<std::string>{kFailureBox, kFailureBox}));
}

TEST_F(DisplayModeTest, LibraryThatNeverStopsListingDoesNotHangTheGame)
{
    screen.modes = {kDesktop, k800};
    std::map<std::string, void*> calls = WorkingCalls();
    calls["EnumDisplay"] = reinterpret_cast<void*>(&EndlessEnumDisplay);
    useLibrary(calls);
    SwitchToGameMode(game);
    EXPECT_EQ(screen.switchedTo, std::vector<VideoMode>{k800});
}

TEST_F(DisplayModeTest, StartingFullScreenShowsForm2ThenSwitches)
{
    screen.modes = {kDesktop, k640x16};
    StartFullScreen(game);
    EXPECT_TRUE(platform.fullScreenShown);
    EXPECT_EQ(game.display.FullScreen, 1);

    Game second{platform, dir.path()};
    platform.canShowFullScreen = false;
    screen.switchedTo.clear();
    StartFullScreen(second);
    EXPECT_EQ(second.display.FullScreen, 0);
    EXPECT_TRUE(screen.switchedTo.empty()) << "no switch without a window to show the game in";
    EXPECT_EQ(platform.messageBoxes, std::vector<std::string>{kFailureBox});
}

}  // namespace
}  // namespace zanbora
