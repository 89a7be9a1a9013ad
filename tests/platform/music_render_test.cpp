// The music is rendered ahead, one pass of each looping piece, and played
// round and round from memory.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "platform/MidiRender.h"
#include "platform/MusicCache.h"
#include "platform/RenderedMusic.h"
#include "support/BuildPaths.h"

namespace zanbora {
namespace {

constexpr const char* kSoundFont = "/usr/share/sounds/sf2/TimGM6mb.sf2";
constexpr int kRate = 22050;

// Division 480, 0.5 s a quarter: middle C for one quarter, then three
// quarters of rest before the end of the track, 2 s in all.
std::string NoteThenRest() {
    const std::string header("MThd\0\0\0\x06\0\0\0\x01\x01\xe0", 14);
    const std::string track("\x00\xff\x51\x03\x07\xa1\x20"  // tempo 500,000 us a quarter
                            "\x00\x90\x3c\x64"              // note on
                            "\x83\x60\x80\x3c\x00"          // 480 ticks later: note off
                            "\x8b\x20\xff\x2f\x00",         // 1,440 ticks later: end of track
                            21);
    return header + "MTrk" + std::string("\0\0\0", 3) + char(track.size()) + track;
}

std::string BuiltPiece(const std::string& name) {
    std::ifstream in(testing::BuiltGameDir() + "/midi/" + name, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

int Peak(const std::vector<int16_t>& pcm, size_t from, size_t to) {
    int peak = 0;
    for (size_t i = from; i < std::min(to, pcm.size()); ++i) peak = std::max(peak, std::abs(int(pcm[i])));
    return peak;
}

TEST(MidiRender, OnePassLastsAsLongAsThePieceRestIncluded) {
    std::vector<int16_t> pcm;
    std::string why;
    const std::atomic<bool> stop{false};
    ASSERT_TRUE(RenderMidiPass(NoteThenRest(), kSoundFont, kRate, stop, pcm, why)) << why;
    // Whole blocks of 64 frames: the pass ends within one block of 2 s.
    const long frames = long(pcm.size() / 2);
    EXPECT_NEAR(frames, 2 * kRate, 64);
    EXPECT_EQ(pcm.size() % 2, 0u);
    // The note sounds at once; the last second is the rest, long after its release.
    EXPECT_GT(Peak(pcm, 0, size_t(kRate)), 1000);
    EXPECT_LT(Peak(pcm, size_t(3 * kRate), pcm.size()), 50);
}

TEST(MidiRender, AGamePieceRendersToItsLoop) {
    std::vector<int16_t> pcm;
    std::string why;
    const std::atomic<bool> stop{false};
    const std::string piece = BuiltPiece("data3.mid");
    ASSERT_FALSE(piece.empty());
    ASSERT_TRUE(RenderMidiPass(piece, kSoundFont, kRate, stop, pcm, why)) << why;
    // Our pieces are between half a minute and two minutes long.
    EXPECT_GT(pcm.size() / 2, size_t(30 * kRate));
    EXPECT_LT(pcm.size() / 2, size_t(120 * kRate));
    EXPECT_GT(Peak(pcm, 0, pcm.size()), 1000);
}

TEST(MidiRender, RefusesWithAReason) {
    std::vector<int16_t> pcm{1, 2};
    std::string why;
    std::atomic<bool> stop{false};
    EXPECT_FALSE(RenderMidiPass(NoteThenRest(), "/nonexistent/font.sf2", kRate, stop, pcm, why));
    EXPECT_NE(why.find("soundfont"), std::string::npos) << why;
    EXPECT_TRUE(pcm.empty());
    EXPECT_FALSE(RenderMidiPass("not a MIDI file", kSoundFont, kRate, stop, pcm, why));
    EXPECT_FALSE(why.empty());
    stop = true;
    EXPECT_FALSE(RenderMidiPass(NoteThenRest(), kSoundFont, kRate, stop, pcm, why));
    EXPECT_EQ(why, "stopped");
}

TEST(RenderedMusic, PlaysRoundAndRoundAtItsVolume) {
    RenderedPlayback playback;
    playback.piece = std::make_shared<const std::vector<int16_t>>(std::vector<int16_t>{100, -100, 200, -200, 300, -300});
    playback.position = 4;
    playback.volume = 64;
    std::vector<int16_t> out(8, 7);
    MixRendered(playback, out.data(), out.size());
    EXPECT_EQ(out, (std::vector<int16_t>{150, -150, 50, -50, 100, -100, 150, -150}));
    // The next buffer goes on where this one stopped.
    EXPECT_EQ(playback.position, 6u);
    MixRendered(playback, out.data(), 2);
    EXPECT_EQ(out[0], 50);
    playback.piece.reset();
    MixRendered(playback, out.data(), out.size());
    EXPECT_EQ(out, std::vector<int16_t>(8, 0));
}

TEST(MusicCache, RendersWhatIsAskedAndKeepsIt) {
    MusicCache cache(kSoundFont, kRate);
    const RenderedPiece first = cache.render("note", NoteThenRest(), 20000);
    ASSERT_NE(first, nullptr);
    EXPECT_NEAR(long(first->size() / 2), 2 * kRate, 64);
    // The second time it is already there, whatever the bytes.
    EXPECT_EQ(cache.render("note", "", 0), first);
    // A piece that cannot be rendered is given up at once, not waited for.
    const auto asked = std::chrono::steady_clock::now();
    EXPECT_EQ(cache.render("broken", "MThd", 20000), nullptr);
    EXPECT_LT(std::chrono::steady_clock::now() - asked, std::chrono::seconds(10));
}

TEST(MusicCache, AskedPieceGoesBeforeTheWaitingOnesAndTheEndStopsAll) {
    auto cache = std::make_unique<MusicCache>(kSoundFont, kRate);
    // A dozen long pieces: several seconds of rendering even on a quiet
    // machine, on a busy one far more.
    const std::string longPiece = BuiltPiece("data6.mid");
    constexpr int kLongPieces = 12;
    for (int i = 0; i < kLongPieces; ++i) cache->prefetch("long" + std::to_string(i), longPiece);
    // In front of them, not behind them.
    EXPECT_NE(cache->render("note", NoteThenRest(), 60000), nullptr);
    EXPECT_EQ(cache->render("long" + std::to_string(kLongPieces - 1), longPiece, 0), nullptr)
        << "the last prefetched piece is not rendered yet";
    // Ending the game stops the rendering within the piece under way (the
    // thread runs at a low priority, so on a busy machine that can take a
    // while), not after every piece that still waits.
    const auto ending = std::chrono::steady_clock::now();
    cache.reset();
    EXPECT_LT(std::chrono::steady_clock::now() - ending, std::chrono::seconds(5));
}

}  // namespace
}  // namespace zanbora
