// The effects and music the build puts into the game folder: every file the
// game plays is there, well formed, audible, and the music loops cleanly.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

#include "RiffReader.h"
#include "SmfReader.h"
#include "support/BuildPaths.h"

namespace {

namespace fs = std::filesystem;
using soundtest::PcmWave;
using soundtest::SmfFile;

// Every wave the game plays somewhere.
const std::vector<std::string> kGameWaves = {
    "men02", "men03", "men04", "men05", "men08", "men09", "men10", "men11", "men12",
    "btl01", "btl02", "btl03", "btl04", "btl05", "lvup",
    "atk01", "atk02", "atk03", "atk04", "atk05", "atk06", "atk07", "atk08", "atk09", "atk10",
    "out01",
    "tatk01", "tatk02", "tatk03", "tatk04", "tatk05", "tatk06", "tatk07",
    "tatk10", "tatk11", "tatk12", "tatk13"};

fs::path gameDir() { return fs::path(zanbora::testing::BuiltGameDir()); }

PcmWave loadWave(const std::string& name) {
  return soundtest::readPcmWave(soundtest::readFileBytes((gameDir() / "wave" / (name + ".wav")).string()));
}

SmfFile loadPiece(int n) {
  return soundtest::readSmf(
      soundtest::readFileBytes((gameDir() / "midi" / ("data" + std::to_string(n) + ".mid")).string()));
}

TEST(BuiltWaves, EveryWaveTheGamePlaysIsAudible16BitPcm) {
  ASSERT_EQ(kGameWaves.size(), 37u);
  for (const std::string& name : kGameWaves) {
    SCOPED_TRACE(name);
    PcmWave wave;
    ASSERT_NO_THROW(wave = loadWave(name));
    EXPECT_EQ(wave.bitsPerSample, 16);
    const double seconds = static_cast<double>(wave.samples.size()) / wave.channels / wave.sampleRate;
    EXPECT_GE(seconds, 0.015);
    EXPECT_LE(seconds, 3.0) << "an effect must not hold up the scene that plays it";
    int peak = 0, clipped = 0;
    double energy = 0;
    for (std::int16_t s : wave.samples) {
      peak = std::max(peak, std::abs(static_cast<int>(s)));
      clipped += std::abs(static_cast<int>(s)) >= 32767;
      energy += static_cast<double>(s) * s;
    }
    const double rms = std::sqrt(energy / static_cast<double>(wave.samples.size()));
    EXPECT_GT(peak, 6000) << "too quiet to hear";
    EXPECT_GT(rms, 1000) << "almost silent";
    EXPECT_EQ(clipped, 0) << "clipped samples crackle";
    // Starting and ending at silence, so an effect cut off by the next one does not click.
    EXPECT_LT(std::abs(static_cast<int>(wave.samples.front())), 300);
    EXPECT_LT(std::abs(static_cast<int>(wave.samples.back())), 300);
  }
}

TEST(BuiltWaves, FilesOnDiskHaveLowerCaseNames) {
  int count = 0;
  for (const auto& entry : fs::directory_iterator(gameDir() / "wave")) {
    const std::string name = entry.path().filename().string();
    EXPECT_TRUE(std::none_of(name.begin(), name.end(), [](unsigned char c) { return std::isupper(c); })) << name;
    ++count;
  }
  EXPECT_GE(count, static_cast<int>(kGameWaves.size()));
}

TEST(BuiltWaves, EffectsOfDifferentUsesSoundDifferent) {
  // Decide and cancel, hit and miss must not be the same sound.
  const auto same = [](const PcmWave& a, const PcmWave& b) { return a.samples == b.samples; };
  EXPECT_FALSE(same(loadWave("men03"), loadWave("men04")));
  EXPECT_FALSE(same(loadWave("atk03"), loadWave("atk09")));
  EXPECT_FALSE(same(loadWave("atk01"), loadWave("tatk01")));
}

TEST(BuiltMusic, EveryPieceParsesAndLastsAtLeastFortySeconds) {
  for (int n = 0; n < 8; ++n) {
    SCOPED_TRACE("data" + std::to_string(n));
    SmfFile smf;
    ASSERT_NO_THROW(smf = loadPiece(n));
    EXPECT_EQ(smf.format, 1);
    EXPECT_GE(smf.seconds, 40.0);
    EXPECT_LE(smf.seconds, 180.0);
    EXPECT_FALSE(smf.notes.empty());
  }
}

TEST(BuiltMusic, EveryPieceLoopsOnABarLineWithNoNoteLeftOn) {
  for (int n = 0; n < 8; ++n) {
    SCOPED_TRACE("data" + std::to_string(n));
    const SmfFile smf = loadPiece(n);
    EXPECT_EQ(smf.hanging, 0) << "a note still sounds when the piece ends";
    EXPECT_EQ(smf.retriggered, 0) << "a key struck again while still held";
    for (std::uint32_t end : smf.trackEnds) EXPECT_EQ(end, smf.endTick) << "every track must end together";
    const auto bar = static_cast<std::uint32_t>(smf.division * 4 * smf.beats / smf.beatUnit);
    EXPECT_EQ(smf.endTick % bar, 0u) << "the piece must end on a bar line";
    for (const auto& note : smf.notes) EXPECT_LE(note.off, smf.endTick);
    // No gap at the loop: music sounds in the first beat and up to the very end.
    const auto beat = static_cast<std::uint32_t>(smf.division);
    const bool startsAtOnce =
        std::any_of(smf.notes.begin(), smf.notes.end(), [&](const auto& note) { return note.on < beat; });
    const std::uint32_t lastOff =
        std::max_element(smf.notes.begin(), smf.notes.end(), [](auto& a, auto& b) { return a.off < b.off; })->off;
    EXPECT_TRUE(startsAtOnce) << "silence at the start of the loop";
    EXPECT_GE(lastOff + beat / 2, smf.endTick) << "silence at the end of the loop";
  }
}

TEST(BuiltMusic, EveryPieceIsArrangedForGeneralMidi) {
  for (int n = 0; n < 8; ++n) {
    SCOPED_TRACE("data" + std::to_string(n));
    const SmfFile smf = loadPiece(n);
    std::vector<int> channels;
    for (const auto& note : smf.notes)
      if (std::find(channels.begin(), channels.end(), note.channel) == channels.end())
        channels.push_back(note.channel);
    EXPECT_GE(channels.size(), 4u) << "melody, harmony, bass and drums";
    EXPECT_NE(std::find(channels.begin(), channels.end(), 9), channels.end()) << "drums on channel 10";
    for (int channel : channels) {
      if (channel == 9) continue;
      const auto program = smf.firstProgram.find(channel);
      ASSERT_NE(program, smf.firstProgram.end()) << "channel " << channel + 1 << " has no instrument";
      EXPECT_EQ(program->second, 0u) << "the instrument must be set when the loop restarts";
    }
  }
}

}  // namespace
