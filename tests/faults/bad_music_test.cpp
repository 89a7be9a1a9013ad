// A music file the player cannot play means silence and one line on stderr;
// the game is never stalled by the sound system, whatever the file holds.
#include <gtest/gtest.h>

#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <sstream>
#include <thread>

#include "ChildRun.h"
#include "platform/SdlAudio.h"
#include "support/BuildPaths.h"
#include "support/TestGame.h"

namespace zanbora {
namespace {

using namespace std::chrono_literals;
using testing::ChildOutcome;
using testing::RunInChild;
using testing::TempGameDir;

std::string BuiltPiece(const std::string& name) {
    std::ifstream in(testing::BuiltGameDir() + "/midi/" + name, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// One track of 480 ticks that sets the tempo and ends, without a single note.
std::string PieceWithoutNotes() {
    const std::string header("MThd\0\0\0\x06\0\0\0\x01\x01\xe0", 14);
    const std::string track("\x00\xff\x51\x03\x07\xa1\x20"  // tempo
                            "\x83\x60\xff\x2f\x00",         // 480 ticks later: end of track
                            12);
    return header + "MTrk" + std::string("\0\0\0", 3) + char(track.size()) + track;
}

// Opens the piece as the game's title would, plays it and asks for its
// status every frame for half a second; exits 1 when it played, 0 when it
// was refused.
ChildOutcome PlayInChild(const std::string& path) {
    return RunInChild(
        [&] {
            setenv("SDL_AUDIODRIVER", "dummy", 1);
            SdlAudio audio;
            if (!audio.musicOpen(path)) return 0;
            if (!audio.musicPlay()) return 2;
            bool playing = true;
            for (int frame = 0; frame < 10; ++frame) {
                playing = playing && audio.musicPlaying();
                std::this_thread::sleep_for(50ms);
            }
            audio.musicStop();
            if (audio.musicPlaying()) return 3;
            audio.musicClose();
            return playing ? 1 : 4;
        },
        10s);
}

long Lines(const std::string& text) { return std::count(text.begin(), text.end(), '\n'); }

TEST(BadMusic, APieceThatCannotBePlayedIsSilenceAndOneLine) {
    const std::string good = BuiltPiece("data2.mid");
    ASSERT_GT(good.size(), 100u);
    TempGameDir dir(false);
    dir.write("cut.mid", good.substr(0, good.size() / 2));
    dir.write("empty.mid", "");
    dir.write("silent.mid", PieceWithoutNotes());
    dir.write("header.mid", good.substr(0, 14));
    for (const char* name : {"cut.mid", "empty.mid", "silent.mid", "header.mid"}) {
        SCOPED_TRACE(name);
        const auto start = std::chrono::steady_clock::now();
        const ChildOutcome run = PlayInChild(dir.path() + "/" + name);
        ASSERT_TRUE(run.finished) << "the game stalled on the music";
        EXPECT_LT(std::chrono::steady_clock::now() - start, 5s);
        EXPECT_EQ(run.status, 0) << "the piece was taken for playable";
        EXPECT_EQ(Lines(run.stderrText), 1) << run.stderrText.substr(0, 2000);
        EXPECT_NE(run.stderrText.find(name), std::string::npos) << run.stderrText.substr(0, 2000);
    }
}

TEST(BadMusic, AGoodPiecePlaysAndItsStatusAnswersAtOnce) {
    const ChildOutcome run = PlayInChild(testing::BuiltGameDir() + "/midi/data2.mid");
    ASSERT_TRUE(run.finished);
    EXPECT_EQ(run.status, 1) << run.stderrText;
}

TEST(BadMusic, AMissingPieceIsQuietSilence) {
    TempGameDir dir(false);
    const ChildOutcome run = PlayInChild(dir.path() + "/none.mid");
    ASSERT_TRUE(run.finished);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.stderrText, "");
}

}  // namespace
}  // namespace zanbora
