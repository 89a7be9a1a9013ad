// Pictures are measured from their header before they are decoded: a small
// file claiming a huge picture is treated like a missing one, at once.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "ChildRun.h"
#include "platform/ImageLoader.h"
#include "platform/PictureHeader.h"
#include "support/BuildPaths.h"
#include "support/TestGame.h"

namespace zanbora {
namespace {

using namespace std::chrono_literals;
namespace fs = std::filesystem;

std::string Le(uint32_t value, int bytes) {
    std::string out;
    for (int i = 0; i < bytes; ++i) out += char((value >> (8 * i)) & 0xFF);
    return out;
}

// A 70-byte BMP of 24 bits that claims width x height pixels.
std::string BmpClaiming(int width, int height) {
    std::string info = Le(40, 4) + Le(uint32_t(width), 4) + Le(uint32_t(height), 4) + Le(1, 2) + Le(24, 2) +
                       Le(0, 4) + Le(0, 4) + Le(2835, 4) + Le(2835, 4) + Le(0, 4) + Le(0, 4);
    std::string file = "BM" + Le(70, 4) + Le(0, 4) + Le(54, 4) + info;
    file.resize(70, '\x7f');
    return file;
}

// A JPEG start: SOI, an APP0 segment, then a baseline frame header.
std::string JpegClaiming(int width, int height) {
    std::string app0("\xff\xe0\x00\x10JFIF\x00\x01\x01\x00\x00\x01\x00\x01\x00\x00", 18);
    std::string sof("\xff\xc0\x00\x0b\x08", 5);
    sof += char(height >> 8);
    sof += char(height & 0xFF);
    sof += char(width >> 8);
    sof += char(width & 0xFF);
    sof += std::string("\x01\x01\x11\x00", 4);
    return std::string("\xff\xd8", 2) + app0 + sof + std::string(40, '\0');
}

TEST(PictureHeader, SizesAreReadFromBothKinds) {
    PictureHeader header;
    std::string why;
    ASSERT_TRUE(CheckPictureHeader(BmpClaiming(512, 350), header, why)) << why;
    EXPECT_EQ(header.kind, PictureKind::Bmp);
    EXPECT_EQ(header.width, 512);
    EXPECT_EQ(header.height, 350);
    ASSERT_TRUE(CheckPictureHeader(BmpClaiming(64, -32), header, why)) << why;  // stored top down
    EXPECT_EQ(header.height, 32);
    ASSERT_TRUE(CheckPictureHeader(JpegClaiming(640, 480), header, why)) << why;
    EXPECT_EQ(header.kind, PictureKind::Jpeg);
    EXPECT_EQ(header.width, 640);
    EXPECT_EQ(header.height, 480);
}

TEST(PictureHeader, PicturesLargerThanTheGameCouldUseAreRefused) {
    PictureHeader header;
    std::string why;
    EXPECT_TRUE(CheckPictureHeader(BmpClaiming(4096, 4096), header, why)) << why;
    EXPECT_FALSE(CheckPictureHeader(BmpClaiming(4097, 16), header, why));
    EXPECT_FALSE(CheckPictureHeader(BmpClaiming(16, 30000), header, why));
    EXPECT_FALSE(CheckPictureHeader(BmpClaiming(16, int(0x80000000u)), header, why));
    EXPECT_FALSE(CheckPictureHeader(BmpClaiming(0, 16), header, why));
    EXPECT_FALSE(CheckPictureHeader(JpegClaiming(30000, 30000), header, why));
    EXPECT_NE(why.find("4096"), std::string::npos);
    EXPECT_FALSE(CheckPictureHeader(JpegClaiming(16, 0), header, why));
    EXPECT_FALSE(CheckPictureHeader(BmpClaiming(30, 30).substr(0, 20), header, why));
    EXPECT_FALSE(CheckPictureHeader(JpegClaiming(30, 30).substr(0, 24), header, why));
    EXPECT_FALSE(CheckPictureHeader("\x89PNG\r\n\x1a\n", header, why));
}

TEST(PictureHeader, ASizeBombLoadsAsAMissingPictureAtOnce) {
    testing::TempGameDir dir(false);
    dir.write("bomb.bmp", BmpClaiming(30000, 30000));
    dir.write("bomb.jpg", JpegClaiming(30000, 30000));
    for (const char* name : {"bomb.bmp", "bomb.jpg"}) {
        SCOPED_TRACE(name);
        const std::string path = dir.path() + "/" + name;
        const auto start = std::chrono::steady_clock::now();
        const testing::ChildOutcome run = testing::RunInChild(
            [&] {
                Pixels picture(3, 3);
                return LoadPictureFile(path, picture) ? 1 : 0;
            },
            20s);
        ASSERT_TRUE(run.finished) << "still decoding";
        EXPECT_EQ(run.status, 0);
        EXPECT_LT(std::chrono::steady_clock::now() - start, 2s);
        EXPECT_NE(run.stderrText.find(name), std::string::npos);
    }
}

TEST(PictureHeader, EveryBuiltPictureClaimsTheSizeItDecodesTo) {
    int checked = 0;
    for (const auto& entry : fs::directory_iterator(testing::BuiltGameDir() + "/cg")) {
        // The game's pictures; the desktop's window icon is a PNG of its own.
        const std::string kind = entry.path().extension().string();
        if (kind != ".bmp" && kind != ".jpg") continue;
        std::ifstream in(entry.path(), std::ios::binary);
        std::stringstream bytes;
        bytes << in.rdbuf();
        PictureHeader header;
        std::string why;
        ASSERT_TRUE(CheckPictureHeader(bytes.str(), header, why)) << entry.path() << ": " << why;
        Pixels picture;
        ASSERT_TRUE(LoadPictureFile(entry.path().string(), picture)) << entry.path();
        EXPECT_EQ(picture.width, header.width) << entry.path();
        EXPECT_EQ(picture.height, header.height) << entry.path();
        ++checked;
    }
    EXPECT_GT(checked, 20);
}

}  // namespace
}  // namespace zanbora
