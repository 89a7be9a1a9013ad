// settings.ini: what a player writes, what the game makes of it, and what it
// says about lines it cannot use.
#include <gtest/gtest.h>

#include <SDL.h>

#include <filesystem>
#include <fstream>

#include "platform/KeyCodes.h"
#include "platform/Settings.h"
#include "platform/WindowScale.h"
#include "support/TestGame.h"

using namespace zanbora;
using zanbora::testing::TempGameDir;

namespace {

std::string ReadFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

}  // namespace

TEST(Settings, TheDefaultFileReadsBackWithoutComplaintAsTheGamesOwnKeys) {
    std::vector<std::string> problems;
    Settings settings = ParseSettings(DefaultSettingsText(), problems);
    EXPECT_TRUE(problems.empty()) << problems.front();
    EXPECT_EQ(settings.virtualKey(SDLK_LEFT), vk::Left);
    EXPECT_EQ(settings.virtualKey(SDLK_DOWN), vk::Down);
    for (SDL_Keycode decide : {SDLK_x, SDLK_SPACE, SDLK_RETURN, SDLK_KP_ENTER})
        EXPECT_EQ(settings.virtualKey(decide), vk::X) << SDL_GetKeyName(decide);
    for (SDL_Keycode cancel : {SDLK_z, SDLK_ESCAPE, SDLK_LSHIFT, SDLK_RSHIFT})
        EXPECT_EQ(settings.virtualKey(cancel), vk::Z) << SDL_GetKeyName(cancel);
    EXPECT_EQ(settings.virtualKey(SDLK_f), vk::FastForward);
    EXPECT_EQ(settings.virtualKey(SDLK_a), 0);
    EXPECT_EQ(settings.scale, 0);
    EXPECT_FALSE(settings.fullScreen);
    EXPECT_EQ(settings.musicVolume, 100);
    EXPECT_EQ(settings.effectVolume, 100);
}

TEST(Settings, FastForwardIsFUnlessThePlayerGivesItOtherKeys) {
    std::vector<std::string> problems;
    // A file written before fast-forward existed has no line for it.
    Settings old = ParseSettings("decide = X\n", problems);
    EXPECT_EQ(old.virtualKey(SDLK_f), vk::FastForward);
    Settings own = ParseSettings("fastforward = Tab, Keypad 0\n", problems);
    EXPECT_TRUE(problems.empty()) << problems.front();
    EXPECT_EQ(own.virtualKey(SDLK_TAB), vk::FastForward);
    EXPECT_EQ(own.virtualKey(SDLK_KP_0), vk::FastForward);
    EXPECT_EQ(own.virtualKey(SDLK_f), 0);
    // F given to decide stays there: fast-forward is then left without a key.
    Settings taken = ParseSettings("decide = F\n", problems);
    EXPECT_EQ(taken.virtualKey(SDLK_f), vk::X);
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_EQ(problems[0], "key \"F\" is given to both decide and fastforward; it does decide");
}

TEST(Settings, APlayersOwnKeysScaleScreenAndVolumesAreUsed) {
    std::vector<std::string> problems;
    Settings settings = ParseSettings(
        "; my keys\r\n"
        "left = A\r\n"
        "UP=w  ; comment after a value\r\n"
        "right = D\r\n"
        "down = S, Keypad 2\r\n"
        "decide = Return\r\n"
        "cancel = Backspace\r\n"
        "scale = 3\r\n"
        "fullscreen = yes\r\n"
        "music = 40\r\n"
        "effects = 0\r\n",
        problems);
    EXPECT_TRUE(problems.empty()) << problems.front();
    EXPECT_EQ(settings.virtualKey(SDLK_a), vk::Left);
    EXPECT_EQ(settings.virtualKey(SDLK_w), vk::Up);
    EXPECT_EQ(settings.virtualKey(SDLK_KP_2), vk::Down);
    EXPECT_EQ(settings.virtualKey(SDLK_RETURN), vk::X);
    EXPECT_EQ(settings.virtualKey(SDLK_BACKSPACE), vk::Z);
    EXPECT_EQ(settings.virtualKey(SDLK_x), 0) << "a remapped action leaves its old keys";
    EXPECT_EQ(settings.virtualKey(SDLK_LEFT), 0);
    EXPECT_EQ(settings.scale, 3);
    EXPECT_TRUE(settings.fullScreen);
    EXPECT_EQ(settings.musicVolume, 40);
    EXPECT_EQ(settings.effectVolume, 0);
}

TEST(Settings, EachBrokenLineIsNamedOnceAndGetsItsDefault) {
    std::vector<std::string> problems;
    Settings settings = ParseSettings(
        "left = Nowhere\n"      // 1: not a key
        "decide =\n"            // 2: no key
        "scale = big\n"         // 3
        "fullscreen = maybe\n"  // 4
        "music = 250\n"         // 5
        "effects = -3\n"        // 6
        "colour = red\n"        // 7: unknown
        "just some words\n"     // 8: not name = value
        "cancel = X\n",         // 9: X still decides by default
        problems);
    ASSERT_EQ(problems.size(), 9u);
    EXPECT_EQ(problems[0], "line 1: \"Nowhere\" is not a key for left; using Left");
    EXPECT_EQ(problems[1], "line 2: no key given for decide; using X, Space, Return, Keypad Enter");
    EXPECT_EQ(problems[2], "line 3: scale \"big\" is not a whole number from 0 to 8; using 0");
    EXPECT_EQ(problems[3], "line 4: fullscreen \"maybe\" is not yes or no; using no");
    EXPECT_EQ(problems[4], "line 5: music \"250\" is not a volume from 0 to 100; using 100");
    EXPECT_EQ(problems[5], "line 6: effects \"-3\" is not a volume from 0 to 100; using 100");
    EXPECT_EQ(problems[6], "line 7: unknown setting \"colour\"; ignored");
    EXPECT_EQ(problems[7], "line 8: \"just some words\" is not \"name = value\"; ignored");
    EXPECT_EQ(problems[8], "key \"X\" is given to both decide and cancel; it does decide");
    EXPECT_EQ(settings.virtualKey(SDLK_LEFT), vk::Left);
    EXPECT_EQ(settings.virtualKey(SDLK_x), vk::X);
    EXPECT_EQ(settings.virtualKey(SDLK_SPACE), vk::X);
    EXPECT_EQ(settings.scale, 0);
    EXPECT_FALSE(settings.fullScreen);
    EXPECT_EQ(settings.musicVolume, 100);
    EXPECT_EQ(settings.effectVolume, 100);
}

TEST(Settings, AMissingFileIsWrittenWithCommentsAndAChangeKeepsThePlayersLines) {
    TempGameDir dir(false);
    const std::string path = dir.path() + "/settings.ini";
    ::testing::internal::CaptureStderr();
    Settings settings = LoadSettingsFile(path);
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
    EXPECT_EQ(ReadFile(path), DefaultSettingsText());
    EXPECT_EQ(settings.virtualKey(SDLK_x), vk::X);

    dir.write("settings.ini", "; mine\nscale = 2\nfullscreen = no ; off for now\ncolour = red\n");
    ::testing::internal::CaptureStderr();
    settings = LoadSettingsFile(path);
    EXPECT_EQ(::testing::internal::GetCapturedStderr(),
              "ZANBORA: " + path + " line 4: unknown setting \"colour\"; ignored\n");
    EXPECT_EQ(settings.scale, 2);

    ASSERT_TRUE(SaveSetting(path, settings, "fullscreen", "yes"));
    EXPECT_EQ(ReadFile(path), "; mine\nscale = 2\nfullscreen = yes\ncolour = red\n");
    ASSERT_TRUE(SaveSetting(path, settings, "music", "50"));
    EXPECT_EQ(ReadFile(path), "; mine\nscale = 2\nfullscreen = yes\ncolour = red\nmusic = 50\n");
}

TEST(Settings, ReservedKeysRepeatsAndBinaryBytesGetOneReadableLineEach) {
    std::string repeated = "cancel = X";
    for (int i = 0; i < 30000; ++i) repeated += ",X";
    std::vector<std::string> problems;
    Settings settings = ParseSettings("decide = F12\n" + repeated + "\n" +
                                          "colour\x01\x1b[31m = red\n"
                                          "\xff\xfe\x7f 名前\n"
                                          "left = Left, Space, Return\n",
                                      problems);
    ASSERT_EQ(problems.size(), 5u);
    EXPECT_EQ(problems[0], "line 1: \"F12\" takes screenshots for decide; using X, Space, Return, Keypad Enter");
    EXPECT_EQ(problems[1], "line 3: unknown setting \"colour\\x01\\x1B[31m\"; ignored");
    EXPECT_EQ(problems[2], "line 4: \"\\xFF\\xFE\\x7F 名前\" is not \"name = value\"; ignored");
    EXPECT_EQ(problems[3], "keys \"Space\", \"Return\" are given to both left and decide; they do left");
    EXPECT_EQ(problems[4], "key \"X\" is given to both decide and cancel; it does decide");
    EXPECT_EQ(settings.virtualKey(SDLK_F12), 0);
    EXPECT_EQ(settings.virtualKey(SDLK_x), vk::X);
    EXPECT_EQ(settings.virtualKey(SDLK_KP_ENTER), vk::X);
    EXPECT_EQ(settings.virtualKey(SDLK_SPACE), vk::Left);

    problems.clear();
    ParseSettings("cancel = X, Left, Z\n", problems);
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_EQ(problems[0], "keys \"X\", \"Left\" for cancel are given to other actions already; they keep them");
}

// A file too big or no file at all is the player's still: the game runs on
// the defaults, and Alt+Enter's change lives for this run only.
TEST(Settings, AFileThatCannotBeReadIsNeverWrittenOverAndSaidOnce) {
    TempGameDir dir(false);
    std::string mine = "; my keys\ndecide = A\n";
    while (mine.size() <= 64 * 1024) mine += "; a long note of mine\n";
    dir.write("settings.ini", mine);
    std::filesystem::create_directory(dir.path() + "/folder.ini");
    for (const std::string name : {"settings.ini", "folder.ini"}) {
        SCOPED_TRACE(name);
        const std::string path = dir.path() + "/" + name;
        ::testing::internal::CaptureStderr();
        Settings settings = LoadSettingsFile(path);
        EXPECT_FALSE(SaveSetting(path, settings, "fullscreen", "yes"));
        EXPECT_FALSE(SaveSetting(path, settings, "fullscreen", "no"));
        const std::string said = ::testing::internal::GetCapturedStderr();
        EXPECT_EQ(said.find("ZANBORA: " + path + " is not a settings file"), 0u) << said;
        EXPECT_EQ(said.find('\n'), said.size() - 1) << said;
        EXPECT_EQ(settings.virtualKey(SDLK_x), vk::X) << "the default keys stand in";
    }
    EXPECT_EQ(ReadFile(dir.path() + "/settings.ini"), mine);
    EXPECT_TRUE(std::filesystem::is_directory(dir.path() + "/folder.ini"));

    // Made unreadable while the game runs: left alone from then on.
    dir.write("late.ini", "scale = 1\n");
    const std::string late = dir.path() + "/late.ini";
    Settings settings = LoadSettingsFile(late);
    std::filesystem::remove(late);
    std::filesystem::create_directory(late);
    ::testing::internal::CaptureStderr();
    EXPECT_FALSE(SaveSetting(late, settings, "fullscreen", "yes"));
    EXPECT_FALSE(SaveSetting(late, settings, "fullscreen", "no"));
    const std::string said = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(said.find('\n'), said.size() - 1) << said;
    EXPECT_TRUE(std::filesystem::is_directory(late));
}

// scale = 8 on a 1280 x 1024 desktop would open a 5120 x 3840 window.
TEST(WindowScale, AChosenScaleIsKeptOnlyAsFarAsTheDesktopHoldsIt) {
    EXPECT_EQ(FitWindowScale(8, 1280, 1024), 2);
    EXPECT_EQ(FitWindowScale(3, 1280, 1024), 2);
    EXPECT_EQ(FitWindowScale(1, 1280, 1024), 1);
    EXPECT_EQ(FitWindowScale(3, 3840, 2160), 3);
    EXPECT_EQ(FitWindowScale(2, 800, 600), 1);
    EXPECT_EQ(FitWindowScale(4, 320, 200), 1) << "never below 1, however small the desktop";
    EXPECT_EQ(FitWindowScale(0, 3840, 2160), 2) << "with no choice, at most 2";
    EXPECT_EQ(FitWindowScale(0, 1024, 768), 1);
}
