// The effect source and the synthesiser: settings are read as written, bad
// lines are refused with their line, and the rendered sound has the pitch,
// length and level the source asks for.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <sstream>

#include "EffectScript.h"
#include "EffectSynth.h"
#include "RiffReader.h"
#include "SmfReader.h"
#include "WavFile.h"

namespace {

std::vector<sound::Effect> parse(const std::string& text) {
  std::istringstream in(text);
  return sound::parseEffects(in);
}

std::string errorOf(const std::string& text) {
  try {
    parse(text);
  } catch (const std::exception& e) {
    return e.what();
  }
  return "";
}

// Rising zero crossings per second over [from, to) seconds.
double pitchOf(const std::vector<float>& s, double from, double to) {
  const auto a = static_cast<std::size_t>(from * sound::kEffectSampleRate);
  const auto b = static_cast<std::size_t>(to * sound::kEffectSampleRate);
  int crossings = 0;
  for (std::size_t i = a + 1; i < b; ++i) crossings += s[i - 1] < 0 && s[i] >= 0;
  return crossings / (to - from);
}

TEST(EffectScript, ReadsHeadingsLayersNotesAndComments) {
  const auto effects = parse(
      "# the decide blip\n"
      "wave blip level=0.4 echo=0.1 feedback=0.5   # bright\n"
      "  square at=0.01 len=0.05 freq=F#4 to=880 duty=0.25\n"
      "  sine len=0.02 notes=C4,440,Bb3\n"
      "wave hiss\n"
      "  noise cutoff=3000 cutoffto=200 q=2\n");
  ASSERT_EQ(effects.size(), 2u);
  const sound::Effect& blip = effects[0];
  EXPECT_EQ(blip.name, "blip");
  EXPECT_DOUBLE_EQ(blip.level, 0.4);
  EXPECT_DOUBLE_EQ(blip.echo, 0.1);
  ASSERT_EQ(blip.layers.size(), 2u);
  EXPECT_EQ(blip.layers[0].wave, sound::Waveform::Square);
  EXPECT_NEAR(blip.layers[0].freq, 369.994, 0.01) << "F#4: the '#' of a note is not a comment";
  EXPECT_DOUBLE_EQ(blip.layers[0].to, 880);
  EXPECT_DOUBLE_EQ(blip.layers[0].duty, 0.25);
  ASSERT_EQ(blip.layers[1].notes.size(), 3u);
  EXPECT_NEAR(blip.layers[1].notes[0], 261.626, 0.01);
  EXPECT_DOUBLE_EQ(blip.layers[1].notes[1], 440);
  EXPECT_NEAR(blip.layers[1].notes[2], 233.082, 0.01);
  EXPECT_NEAR(sound::effectDuration(blip), 0.06 + 0.1 * 7, 1e-9) << "the echo repeats until below 1 %";
  EXPECT_EQ(effects[1].layers[0].wave, sound::Waveform::Noise);
}

TEST(EffectScript, RefusesBadLinesWithTheirLine) {
  EXPECT_EQ(errorOf("wave a\n  sine freq=440\n  buzz freq=1\n").substr(0, 7), "line 3:");
  EXPECT_NE(errorOf("wave a\n  sine freq=440 wobble=2\n").find("unknown layer setting"), std::string::npos);
  EXPECT_NE(errorOf("wave a\n  sine len=0.1\n").find("needs 'freq' or 'notes'"), std::string::npos);
  EXPECT_NE(errorOf("  sine freq=440\n").find("must follow a 'wave NAME'"), std::string::npos);
  EXPECT_NE(errorOf("wave a\n  sine freq=1\nwave a\n  sine freq=1\n").find("defined twice"), std::string::npos);
  EXPECT_NE(errorOf("wave a\n  sine freq=H2\n").find("needs a number"), std::string::npos);
  EXPECT_NE(errorOf("wave a\n  sine freq=440 vol=9\n").find("must lie between"), std::string::npos);
  EXPECT_NE(errorOf("wave a\n").find("has no layers"), std::string::npos);
  EXPECT_NE(errorOf("wave Loud\n  sine freq=1\n").find("lower-case"), std::string::npos);
  EXPECT_NE(errorOf("wave a\n  sine freq\n").find("key=value"), std::string::npos);
}

TEST(EffectSynth, RendersPitchLengthAndLevel) {
  const auto effects = parse("wave a level=0.5\n  sine at=0.1 len=0.5 freq=A4 attack=0.01 release=0.05\n");
  const auto s = sound::renderEffect(effects[0]);
  EXPECT_NEAR(static_cast<double>(s.size()) / sound::kEffectSampleRate, 0.6, 0.001);
  float peak = 0;
  for (float v : s) peak = std::max(peak, std::abs(v));
  EXPECT_NEAR(peak, 0.5, 1e-6);
  EXPECT_NEAR(pitchOf(s, 0.15, 0.55), 440, 6);
  EXPECT_EQ(s.front(), 0.0f);
  EXPECT_EQ(s.back(), 0.0f);
  for (std::size_t i = 0; i < static_cast<std::size_t>(0.09 * sound::kEffectSampleRate); ++i)
    ASSERT_EQ(s[i], 0.0f) << "silence before the layer starts";
}

TEST(EffectSynth, GlidesAndNoteSequencesChangePitch) {
  const auto glide = parse("wave g\n  square len=1 freq=200 to=800 release=0\n");
  const auto s = sound::renderEffect(glide[0]);
  EXPECT_LT(pitchOf(s, 0.0, 0.1), 240);
  EXPECT_GT(pitchOf(s, 0.9, 1.0), 700);

  const auto steps = parse("wave n\n  triangle len=0.25 notes=220,880\n");
  const auto t = sound::renderEffect(steps[0]);
  EXPECT_NEAR(pitchOf(t, 0.02, 0.22), 220, 10);
  EXPECT_NEAR(pitchOf(t, 0.27, 0.47), 880, 10);
}

TEST(EffectSynth, LowPassTamesNoiseAndRenderingRepeats) {
  const auto effects = parse("wave raw\n  noise len=0.5\nwave dull\n  noise len=0.5 cutoff=300\n");
  const auto roughness = [](const std::vector<float>& s) {
    double sum = 0;
    for (std::size_t i = 1; i < s.size(); ++i) sum += std::abs(s[i] - s[i - 1]);
    return sum / static_cast<double>(s.size());
  };
  const auto raw = sound::renderEffect(effects[0]);
  const auto dull = sound::renderEffect(effects[1]);
  EXPECT_GT(roughness(raw), 5 * roughness(dull));
  EXPECT_EQ(raw, sound::renderEffect(effects[0])) << "every build makes the same file";
}

TEST(WavFile, WritesPcmThatReadsBack) {
  const std::vector<float> samples = {0.0f, 0.5f, -0.5f, 1.5f, -1.0f};
  const auto path = std::filesystem::temp_directory_path() / "zanbora_wavfile_test.wav";
  sound::writeWav16(path.string(), samples, 22050);
  const auto wave = soundtest::readPcmWave(soundtest::readFileBytes(path.string()));
  std::filesystem::remove(path);
  EXPECT_EQ(wave.channels, 1);
  EXPECT_EQ(wave.sampleRate, 22050);
  EXPECT_EQ(wave.samples, (std::vector<std::int16_t>{0, 16384, -16384, 32767, -32767}));
}

}  // namespace
