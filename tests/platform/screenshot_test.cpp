// F12's screenshots: valid PNG files holding exactly the picture on screen.
#include <gtest/gtest.h>

#include <SDL.h>
#include <SDL_image.h>

#include <ctime>
#include <filesystem>

#include "platform/PngWriter.h"
#include "platform/Screenshot.h"
#include "support/TestGame.h"

using namespace zanbora;
using zanbora::testing::TempGameDir;
namespace fs = std::filesystem;

// A picture every pixel of which differs from its neighbours.
Pixels TestPicture(int width, int height) {
    Pixels picture(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) picture.at(x, y) = uint32_t(((x * 7) & 0xFF) << 16 | ((y * 3) & 0xFF) << 8 | ((x ^ y) & 0xFF));
    picture.at(0, 0) = 0xFFFFFF;
    picture.at(width - 1, height - 1) = 0x000000;
    return picture;
}

// Decodes a PNG file with SDL_image, as any picture viewer would.
Pixels ReadPng(const std::string& path) {
    Pixels out;
    SDL_Surface* loaded = IMG_Load(path.c_str());
    if (!loaded) return out;
    SDL_Surface* rgb = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_RGB888, 0);
    SDL_FreeSurface(loaded);
    out = Pixels(rgb->w, rgb->h);
    for (int y = 0; y < rgb->h; ++y)
        for (int x = 0; x < rgb->w; ++x)
            out.at(x, y) = static_cast<const uint32_t*>(rgb->pixels)[y * rgb->pitch / 4 + x] & 0xFFFFFF;
    SDL_FreeSurface(rgb);
    return out;
}

TEST(Screenshot, IsAPngOfExactlyTheFrameInTheScreenshotsFolder) {
    TempGameDir user(false);
    const Pixels frame = TestPicture(512, 350);
    std::string error;
    const std::string path = SaveScreenshot(frame, user.path(), error);
    ASSERT_FALSE(path.empty()) << error;
    EXPECT_EQ(fs::path(path).parent_path(), fs::path(user.path()) / "screenshots");
    EXPECT_EQ(fs::path(path).extension(), ".png");
    const Pixels read = ReadPng(path);
    ASSERT_EQ(read.width, 512) << IMG_GetError();
    ASSERT_EQ(read.height, 350);
    EXPECT_TRUE(read.data == frame.data);
}

TEST(Screenshot, NamesFollowTheClockAndNeverOverwrite) {
    std::tm when{};
    when.tm_year = 2026 - 1900;
    when.tm_mon = 11;
    when.tm_mday = 8;
    when.tm_hour = 23;
    when.tm_min = 45;
    when.tm_sec = 1;
    EXPECT_EQ(ScreenshotName(when, 0), "zanbora-20261208-234501.png");
    EXPECT_EQ(ScreenshotName(when, 1), "zanbora-20261208-234501-2.png");

    TempGameDir user(false);
    std::string error;
    const std::string first = SaveScreenshot(TestPicture(8, 4), user.path(), error);
    const std::string second = SaveScreenshot(TestPicture(4, 8), user.path(), error);
    ASSERT_FALSE(first.empty());
    ASSERT_FALSE(second.empty());
    EXPECT_NE(first, second);
    EXPECT_EQ(ReadPng(first).width, 8);
    EXPECT_EQ(ReadPng(second).width, 4);
}

TEST(Screenshot, AFolderThatCannotBeUsedIsReported) {
    TempGameDir user(false);
    user.write("screenshots", "a file where the folder should be");
    std::string error;
    EXPECT_EQ(SaveScreenshot(TestPicture(8, 8), user.path(), error), "");
    EXPECT_EQ(error, "is not a folder");
}
