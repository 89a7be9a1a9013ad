// The game's real window on SDL's dummy video driver: frames drawn only when
// they change and only their changed rows sent, Alt+Enter, F12 and the
// player's keys from settings.ini.
#include <gtest/gtest.h>

#include <SDL.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <vector>

#include "platform/FastForwardMark.h"
#include "platform/KeyCodes.h"
#include "platform/SdlPlatform.h"
#include "platform/TextureUpload.h"
#include "support/TestGame.h"

using namespace zanbora;
using zanbora::testing::TempGameDir;
namespace fs = std::filesystem;

namespace {

class SdlWindowTest : public ::testing::Test {
protected:
    std::unique_ptr<SdlPlatform> open() {
        auto platform = std::make_unique<SdlPlatform>(game.path(), UserDirs{user.path(), user.path()});
        EXPECT_TRUE(platform->showMainWindow());
        events(*platform);  // the window's own first events
        return platform;
    }

    static void key(SDL_Keycode sym, Uint16 mod = KMOD_NONE) {
        for (Uint32 type : {SDL_KEYDOWN, SDL_KEYUP}) {
            SDL_Event e{};
            e.type = type;
            e.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
            e.key.keysym.sym = sym;
            e.key.keysym.mod = mod;
            SDL_PushEvent(&e);
        }
    }

    static std::vector<PlatformEvent> events(SdlPlatform& platform) {
        std::vector<PlatformEvent> out;
        for (PlatformEvent e; platform.pollEvent(e);) out.push_back(e);
        return out;
    }

    static bool desktopFullScreen() {
        for (Uint32 id = 1; id < 64; ++id)
            if (SDL_Window* window = SDL_GetWindowFromID(id))
                return (SDL_GetWindowFlags(window) & SDL_WINDOW_FULLSCREEN_DESKTOP) == SDL_WINDOW_FULLSCREEN_DESKTOP;
        return false;
    }

    std::string settingsText() const {
        std::ifstream file(user.path() + "/settings.ini");
        return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    }

    // The 512 x 350 picture as the window shows it (64 pixels in from the
    // top left of the 640 x 480 canvas), read back from the renderer.
    static SDL_Renderer* Renderer() {
        SDL_Renderer* renderer = nullptr;
        for (Uint32 id = 1; id < 64 && !renderer; ++id)
            if (SDL_Window* window = SDL_GetWindowFromID(id)) renderer = SDL_GetRenderer(window);
        return renderer;
    }
    static Pixels onScreen() {
        SDL_Renderer* renderer = Renderer();
        Pixels shown(512, 350);
        if (!renderer) return shown;
        const SDL_Rect area{64, 64, 512, 350};
        EXPECT_EQ(SDL_RenderReadPixels(renderer, &area, SDL_PIXELFORMAT_RGB888, shown.data.data(), 512 * 4), 0);
        for (uint32_t& pixel : shown.data) pixel &= 0xFFFFFF;
        return shown;
    }

    TempGameDir game{false};
    TempGameDir user{false};
};

// Every pixel different from its neighbours, so a row sent to the wrong
// place shows.
Pixels Pattern(int width, int height, uint32_t seed) {
    Pixels frame(width, height);
    for (size_t i = 0; i < frame.data.size(); ++i) frame.data[i] = uint32_t(i * 2654435761u + seed) & 0xFFFFFF;
    return frame;
}

}  // namespace

TEST_F(SdlWindowTest, AFrameIsDrawnOnlyWhenItChangesOrTheWindowWasUncovered) {
    auto platform = open();
    Pixels frame(512, 350, 0x204060);
    for (int i = 0; i < 10; ++i) platform->present(frame);
    EXPECT_EQ(platform->drawnFrames(), 1) << "a still screen is drawn once";

    frame.at(300, 200) = 0xFFFFFF;  // one pixel moves
    platform->present(frame);
    EXPECT_EQ(platform->drawnFrames(), 2);
    for (int i = 0; i < 10; ++i) platform->present(frame);
    EXPECT_EQ(platform->drawnFrames(), 2);

    SDL_Event exposed{};
    exposed.type = SDL_WINDOWEVENT;
    exposed.window.event = SDL_WINDOWEVENT_EXPOSED;
    SDL_PushEvent(&exposed);
    events(*platform);
    EXPECT_EQ(platform->drawnFrames(), 3) << "an uncovered window is drawn again at once";
    platform->present(frame);
    EXPECT_EQ(platform->drawnFrames(), 3);
}

TEST(FrameRows, TheChangedBandRunsFromTheFirstToTheLastDifferentRow) {
    const Pixels before = Pattern(512, 350, 1);
    Pixels after = before;
    EXPECT_TRUE(ChangedRows(before, after).empty());
    after.at(511, 200) ^= 1;
    RowBand band = ChangedRows(before, after);
    EXPECT_EQ(band.first, 200);
    EXPECT_EQ(band.end, 201);
    after.at(0, 0) ^= 1;
    after.at(0, 349) ^= 1;
    band = ChangedRows(before, after);
    EXPECT_EQ(band.first, 0);
    EXPECT_EQ(band.end, 350);
    band = ChangedRows(before, Pattern(256, 100, 1));
    EXPECT_EQ(band.first, 0) << "another size is new everywhere";
    EXPECT_EQ(band.end, 100);
    EXPECT_TRUE(ChangedRows(Pixels(), Pixels()).empty());
}

TEST_F(SdlWindowTest, TheWindowShowsEachWholeFrameThoughOnlyChangedRowsAreSent) {
    auto platform = open();
    Pixels frame = Pattern(512, 350, 7);
    platform->present(frame);
    EXPECT_EQ(onScreen().data, frame.data);

    const Pixels next = Pattern(512, 350, 99);
    for (int y = 100; y < 120; ++y)
        for (int x = 0; x < 512; ++x) frame.at(x, y) = next.at(x, y);
    frame.at(3, 300) = 0xFFFFFF;
    platform->present(frame);
    EXPECT_EQ(onScreen().data, frame.data) << "a band in the middle";
    frame.at(511, 0) ^= 0x808080;
    frame.at(0, 349) ^= 0x808080;
    platform->present(frame);
    EXPECT_EQ(onScreen().data, frame.data) << "the first and the last row";

    const Pixels small = Pattern(200, 100, 5);
    platform->present(small);
    const Pixels shown = onScreen();
    for (int y = 0; y < 350; ++y)
        for (int x = 0; x < 512; ++x)
            ASSERT_EQ(shown.at(x, y), x < 200 && y < 100 ? small.at(x, y) : 0u) << "at " << x << "," << y;
    EXPECT_EQ(platform->drawnFrames(), 4);
}

TEST_F(SdlWindowTest, AltEnterSwitchesDesktopFullScreenAndTheNextStartRemembersIt) {
    {
        auto platform = open();
        EXPECT_FALSE(desktopFullScreen());
        key(SDLK_RETURN, KMOD_LALT);
        EXPECT_TRUE(events(*platform).empty()) << "Alt+Enter is not the decide key";
        EXPECT_TRUE(desktopFullScreen());
        EXPECT_NE(settingsText().find("\nfullscreen = yes\n"), std::string::npos);
    }
    {
        auto platform = open();
        EXPECT_TRUE(desktopFullScreen()) << "the choice is remembered";
        key(SDLK_RETURN, KMOD_RALT);
        events(*platform);
        EXPECT_FALSE(desktopFullScreen());
        EXPECT_NE(settingsText().find("\nfullscreen = no\n"), std::string::npos);

        // Plain Enter still decides. (Leaving full screen may also bring a
        // mouse move, as SDL 2.32 sends one when the window changes back.)
        key(SDLK_RETURN);
        std::vector<PlatformEvent> plain = events(*platform);
        std::erase_if(plain, [](const PlatformEvent& e) { return e.kind == PlatformEvent::Kind::MouseMove; });
        ASSERT_EQ(plain.size(), 2u);
        EXPECT_EQ(plain[0].kind, PlatformEvent::Kind::KeyDown);
        EXPECT_EQ(plain[0].key, vk::X);
    }
}

TEST_F(SdlWindowTest, F12SavesThePictureOnScreen) {
    auto platform = open();
    Pixels frame(512, 350, 0x102030);
    frame.at(10, 20) = 0xABCDEF;
    platform->present(frame);
    key(SDLK_F12);
    EXPECT_TRUE(events(*platform).empty());
    std::vector<fs::path> shots;
    for (const auto& entry : fs::directory_iterator(user.path() + "/screenshots")) shots.push_back(entry.path());
    ASSERT_EQ(shots.size(), 1u);
    EXPECT_EQ(shots[0].extension(), ".png");
    EXPECT_EQ(platform->drawnFrames(), 1) << "taking the picture does not redraw";
}

TEST_F(SdlWindowTest, ThePlayersKeysFromSettingsReachTheGame) {
    user.write("settings.ini", "decide = A\nup = W\n");
    auto platform = open();
    key(SDLK_a);
    key(SDLK_x);  // no longer a game key
    key(SDLK_w);
    key(SDLK_LALT);
    std::vector<int> downs;
    for (const PlatformEvent& e : events(*platform))
        if (e.kind == PlatformEvent::Kind::KeyDown) downs.push_back(e.key);
    EXPECT_EQ(downs, (std::vector<int>{vk::X, vk::Up, vk::Alt}));
}

// The start screen's name box and buttons: Return starts, Space ticks, the
// arrows move, whatever the player made of those keys for play.
TEST_F(SdlWindowTest, OnTheStartScreenTheKeyboardIsAKeyboard) {
    user.write("settings.ini", "decide = Return\nup = W\n");
    auto platform = open();
    auto downs = [&] {
        std::vector<int> keys;
        for (const PlatformEvent& e : events(*platform))
            if (e.kind == PlatformEvent::Kind::KeyDown) keys.push_back(e.key);
        return keys;
    };
    platform->plainKeys(true);
    for (SDL_Keycode sym : {SDLK_RETURN, SDLK_KP_ENTER, SDLK_SPACE, SDLK_UP, SDLK_w, SDLK_LSHIFT, SDLK_TAB}) key(sym);
    EXPECT_EQ(downs(), (std::vector<int>{vk::Enter, vk::Enter, vk::Space, vk::Up, vk::Shift, vk::Tab}));
    platform->plainKeys(false);
    for (SDL_Keycode sym : {SDLK_RETURN, SDLK_w, SDLK_SPACE}) key(sym);
    EXPECT_EQ(downs(), (std::vector<int>{vk::X, vk::Up})) << "in play the player's keys again";
}

// The start screen opens while F is held and its release comes there: the
// game still hears it, or fast-forward would stay on.
TEST_F(SdlWindowTest, AGameKeyLetGoOnTheStartScreenIsLetGoInTheGame) {
    auto platform = open();
    platform->plainKeys(true);
    key(SDLK_f);
    std::vector<PlatformEvent> seen = events(*platform);
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].kind, PlatformEvent::Kind::KeyUp);
    EXPECT_EQ(seen[0].key, vk::FastForward);
}

TEST_F(SdlWindowTest, TheFastForwardMarkShowsInTheCornerWhileOn) {
    auto platform = open();
    platform->present(Pattern(512, 350, 7));
    const std::vector<SDL_Rect> rows = FastForwardMarkRows();
    const SDL_Rect middle = rows[rows.size() / 4];  // the first triangle's widest row
    auto cornerLit = [&] {
        uint32_t pixel = 0;
        const SDL_Rect at{middle.x, middle.y, 1, 1};
        EXPECT_EQ(SDL_RenderReadPixels(Renderer(), &at, SDL_PIXELFORMAT_RGB888, &pixel, 4), 0);
        return (pixel & 0xFFFFFF) != 0;
    };
    EXPECT_FALSE(cornerLit());
    const Pixels picture = onScreen();
    platform->showFastForward(true);
    EXPECT_TRUE(cornerLit());
    EXPECT_EQ(onScreen().data, picture.data) << "the picture itself is untouched";
    platform->showFastForward(false);
    EXPECT_FALSE(cornerLit());
}
