// The check a piece passes before the music player gets it.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "platform/MidiCheck.h"
#include "support/BuildPaths.h"

namespace zanbora {
namespace {

std::string Built(const std::string& name) {
    std::ifstream in(testing::BuiltGameDir() + "/midi/" + name, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

std::string Smf(const std::string& track) {
    return std::string("MThd\0\0\0\x06\0\0\0\x01\x01\xe0MTrk\0\0", 20) + char(track.size() >> 8) +
           char(track.size() & 0xFF) + track;
}

TEST(MidiCheck, EveryPieceOfTheGameIsPlayable) {
    for (const char* name : {"data0.mid", "data1.mid", "data2.mid", "data3.mid", "data4.mid", "data5.mid",
                             "data6.mid", "data7.mid"}) {
        std::string why;
        EXPECT_TRUE(MidiIsPlayable(Built(name), why)) << name << ": " << why;
    }
}

TEST(MidiCheck, APieceCutShortAnywhereIsRefused) {
    const std::string piece = Built("data1.mid");
    ASSERT_GT(piece.size(), 100u);
    for (size_t length = 0; length < piece.size(); length += length < 300 ? 1 : 23) {
        std::string why;
        EXPECT_FALSE(MidiIsPlayable(std::string_view(piece).substr(0, length), why)) << "cut at " << length;
    }
}

TEST(MidiCheck, NotesAndLengthAreNeeded) {
    std::string why;
    // A note at tick 0, released 96 ticks later with running status.
    EXPECT_TRUE(MidiIsPlayable(Smf(std::string("\x00\x90\x3c\x64\x60\x3c\x00\x00\xff\x2f\x00", 11)), why)) << why;
    // A note-on of velocity 0 is a release: no sounding note.
    EXPECT_FALSE(MidiIsPlayable(Smf(std::string("\x00\x90\x3c\x00\x60\xff\x2f\x00", 8)), why));
    EXPECT_EQ(why, "the piece has no notes");
    // A note that lasts no time.
    EXPECT_FALSE(MidiIsPlayable(Smf(std::string("\x00\x90\x3c\x64\x00\x80\x3c\x00\x00\xff\x2f\x00", 12)), why));
    EXPECT_EQ(why, "the piece lasts no time at all");
    // Running status with nothing before it.
    EXPECT_FALSE(MidiIsPlayable(Smf(std::string("\x00\x3c\x64\x00\xff\x2f\x00", 7)), why));
    // A delta time longer than four bytes.
    EXPECT_FALSE(MidiIsPlayable(Smf(std::string("\x80\x80\x80\x80\x00\x90\x3c\x64", 8)), why));
    EXPECT_FALSE(MidiIsPlayable("", why));
    EXPECT_EQ(why, "the file is empty");
    EXPECT_FALSE(MidiIsPlayable("RIFF....WAVEfmt ", why));
}

}  // namespace
}  // namespace zanbora
