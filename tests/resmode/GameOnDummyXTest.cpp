// Full-screen play on a real X server (the dummy video driver, 1024 x 768
// with 640 x 480 to switch to): what Form2 puts on the screen, and the
// desktop's mode coming back however the game ends.
#include <gtest/gtest.h>

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <functional>
#include <memory>
#include <thread>

#include "DummyXServer.h"
#include "ResModeLibrary.h"
#include "ScopedVariable.h"
#include "game/core/DisplayMode.h"
#include "game/core/Game.h"
#include "platform/HeadlessPlatform.h"
#include "platform/LoadedLibraryDl.h"
#include "platform/SdlPlatform.h"
#include "support/TestGame.h"

namespace zanbora {
namespace {

using namespace std::chrono_literals;

const Mode kDesktop{1024, 768, 32, 60};
constexpr uint32_t kRed = 0xFF0000, kGreen = 0x00FF00, kBlack = 0x000000;

class GameOnDummyX : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (const std::string missing = DummyXServer::missingPieces(); !missing.empty())
            GTEST_SKIP() << "No dummy X server for full-screen play: " << missing;
        server = std::make_unique<DummyXServer>();
        ASSERT_TRUE(server->started()) << server->failure();
        display = std::make_unique<ScopedVariable>("DISPLAY", server->display().c_str());
        ASSERT_TRUE(modes.complete()) << dlerror();
        ASSERT_EQ(modes.current(), kDesktop);
    }

    // Waits for the desktop's mode to become `wanted`.
    bool ModeBecomes(const Mode& wanted, std::chrono::milliseconds limit)
    {
        const auto deadline = std::chrono::steady_clock::now() + limit;
        while (modes.current() != wanted) {
            if (std::chrono::steady_clock::now() > deadline) return false;
            std::this_thread::sleep_for(20ms);
        }
        return true;
    }

    testing::TempGameDir dir{true};
    std::unique_ptr<DummyXServer> server;
    std::unique_ptr<ScopedVariable> display;
    ResModeLibrary modes;
};

// ----------------------------------------------------------------------------
// However the game ends, the desktop gets its mode back.

enum class Ending { Exit, Kill, Crash };

class GameEnding : public GameOnDummyX, public ::testing::WithParamInterface<Ending> {};

TEST_P(GameEnding, DesktopModeComesBack)
{
    const pid_t game = fork();
    if (game == 0) {
        HeadlessPlatform platform;
        platform.libraries["libResMode.so"] = [this] { return OpenLibraryDl(dir.path() + "/libResMode.so"); };
        Game g(platform, dir.path());
        SwitchToGameMode(g);
        if (g.display.FullScreen != 1) _exit(99);
        switch (GetParam()) {
            case Ending::Exit: std::exit(3);  // the ritual feast's end, a damaged save
            case Ending::Kill: raise(SIGKILL); break;
            case Ending::Crash: signal(SIGSEGV, SIG_DFL); raise(SIGSEGV); break;
        }
        _exit(98);
    }
    int status = 0;
    ASSERT_EQ(waitpid(game, &status, 0), game);
    ASSERT_FALSE(WIFEXITED(status) && WEXITSTATUS(status) == 99) << "the game did not switch to 640 x 480";
    EXPECT_TRUE(ModeBecomes(kDesktop, 5s)) << "the desktop was left in " << *modes.current();
    EXPECT_EQ(server->screenSize(), std::make_pair(1024, 768));
}

INSTANTIATE_TEST_SUITE_P(Endings, GameEnding, ::testing::Values(Ending::Exit, Ending::Kill, Ending::Crash));

// ----------------------------------------------------------------------------
// Form2 on the screen.

class Form2OnDummyX : public GameOnDummyX {
protected:
    void SetUp() override
    {
        GameOnDummyX::SetUp();
        if (IsSkipped() || HasFatalFailure()) return;
        // The real X11 video, whatever the test runner chose for other tests.
        video = std::make_unique<ScopedVariable>("SDL_VIDEODRIVER", "x11");
        audio = std::make_unique<ScopedVariable>("SDL_AUDIODRIVER", "dummy");
        // Drawn by SDL itself, without even a trial of OpenGL: the GL drivers
        // SDL would load and unload keep allocations the leak checker can no
        // longer put a name to.
        renderer = std::make_unique<ScopedVariable>("SDL_RENDER_DRIVER", "software");
        noGl = std::make_unique<ScopedVariable>("SDL_FRAMEBUFFER_ACCELERATION", "0");
        platform = std::make_unique<SdlPlatform>(dir.path(), UserDirs{dir.path(), dir.path()});
        ASSERT_TRUE(platform->showMainWindow());
        game = std::make_unique<Game>(*platform, dir.path());
    }
    void TearDown() override
    {
        game.reset();
        platform.reset();
    }

    // The game screen: red above, green below the middle line.
    static Pixels Frame()
    {
        Pixels frame(512, 350, kRed);
        for (int y = 175; y < 350; ++y)
            for (int x = 0; x < 512; ++x) frame.at(x, y) = kGreen;
        return frame;
    }

    // The screen's colour at (x, y), as 0xRRGGBB.
    uint32_t ScreenAt(int x, int y)
    {
        Display* x11 = XOpenDisplay(server->display().c_str());
        if (!x11) return 0xDEAD;
        XImage* image = XGetImage(x11, DefaultRootWindow(x11), x, y, 1, 1, AllPlanes, ZPixmap);
        const uint32_t pixel = image ? uint32_t(XGetPixel(image, 0, 0)) & 0xFFFFFF : 0xDEAD;
        if (image) XDestroyImage(image);
        XCloseDisplay(x11);
        return pixel;
    }

    // Presents the frame until the screen shows `expected` at (x, y).
    bool ShowsWithin(int x, int y, uint32_t expected)
    {
        for (int attempt = 0; attempt < 100; ++attempt) {
            platform->present(Frame());
            PlatformEvent ignored;
            while (platform->pollEvent(ignored)) {
            }
            if (ScreenAt(x, y) == expected) return true;
            std::this_thread::sleep_for(20ms);
        }
        return false;
    }

    std::unique_ptr<ScopedVariable> video, audio, renderer, noGl;
    std::unique_ptr<SdlPlatform> platform;
    std::unique_ptr<Game> game;
};

TEST_F(Form2OnDummyX, At640x480TheGameScreenSitsAt56x56)
{
    StartFullScreen(*game);
    ASSERT_EQ(game->display.FullScreen, 1);
    ASSERT_EQ(modes.current(), (Mode{640, 480, kDesktop.bits, 60}));
    EXPECT_EQ(server->screenSize(), std::make_pair(640, 480));

    ASSERT_TRUE(ShowsWithin(56, 56, kRed)) << "top left of the game screen, got " << std::hex << ScreenAt(56, 56);
    EXPECT_EQ(ScreenAt(55, 56), kBlack);
    EXPECT_EQ(ScreenAt(56, 55), kBlack);
    EXPECT_EQ(ScreenAt(567, 230), kRed);
    EXPECT_EQ(ScreenAt(567, 231), kGreen);
    EXPECT_EQ(ScreenAt(567, 405), kGreen);
    EXPECT_EQ(ScreenAt(568, 405), kBlack);
    EXPECT_EQ(ScreenAt(567, 406), kBlack);
    EXPECT_EQ(ScreenAt(639, 479), kBlack);

    RestoreDisplayMode(*game);
    EXPECT_EQ(modes.current(), kDesktop);
}

TEST_F(Form2OnDummyX, OnALargerScreenThePictureIsScaledToFit)
{
    // Form2 without the switch, as after a failed change: 640 x 480 drawn
    // 1.6 times over the whole 1024 x 768 screen.
    ASSERT_TRUE(platform->showFullScreenWindow());
    ASSERT_TRUE(ShowsWithin(100, 100, kRed)) << "got " << std::hex << ScreenAt(100, 100);
    EXPECT_EQ(ScreenAt(80, 100), kBlack);
    EXPECT_EQ(ScreenAt(100, 80), kBlack);
    EXPECT_EQ(ScreenAt(900, 360), kRed);    // game screen row 168
    EXPECT_EQ(ScreenAt(900, 380), kGreen);  // row 181
    EXPECT_EQ(ScreenAt(900, 640), kGreen);  // row 344
    EXPECT_EQ(ScreenAt(900, 660), kBlack);
    EXPECT_EQ(ScreenAt(920, 300), kBlack);  // right of column 511
    EXPECT_EQ(modes.current(), kDesktop);
}

}  // namespace
}  // namespace zanbora
