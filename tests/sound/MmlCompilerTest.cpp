// The MML compiler: note lengths, ties, repeats and chords come out at the
// right ticks, and faults in a piece are refused with the line they are on.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>
#include <string>

#include "MidiFile.h"
#include "MmlCompiler.h"
#include "SmfReader.h"

namespace {

using soundtest::SmfFile;
using soundtest::SmfNote;

constexpr std::uint32_t kQ = sound::kTicksPerQuarter;

// Compiles, writes the file and reads it back with the independent reader.
SmfFile compile(const std::string& mml) {
  std::istringstream in(mml);
  const sound::MidiSong song = sound::compileMml(in);
  const auto path = std::filesystem::temp_directory_path() /
                    ("mml_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
                     ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".mid");
  sound::writeMidiFile(path.string(), song);
  SmfFile smf = soundtest::readSmf(soundtest::readFileBytes(path.string()));
  std::filesystem::remove(path);
  return smf;
}

std::string errorOf(const std::string& mml) {
  std::istringstream in(mml);
  try {
    sound::compileMml(in);
  } catch (const std::exception& e) {
    return e.what();
  }
  return "";
}

std::vector<SmfNote> notesOn(const SmfFile& smf, int channel) {
  std::vector<SmfNote> out;
  for (const auto& n : smf.notes)
    if (n.channel == channel) out.push_back(n);
  std::sort(out.begin(), out.end(), [](auto& a, auto& b) { return a.on != b.on ? a.on < b.on : a.key < b.key; });
  return out;
}

TEST(MmlCompiler, LengthsDotsTiesAndGate) {
  // c4 (gate 7/8), d8. , e2 tied to e4 held in full, then a rest.
  const SmfFile smf = compile("A o4 l4 c d8. q8 e2&e4 r16 r8 r2 r8\n");
  const auto notes = notesOn(smf, 0);
  ASSERT_EQ(notes.size(), 3u);
  EXPECT_EQ(notes[0].key, 60);
  EXPECT_EQ(notes[0].on, 0u);
  EXPECT_EQ(notes[0].off, kQ * 7 / 8);
  EXPECT_EQ(notes[1].key, 62);
  EXPECT_EQ(notes[1].on, kQ);
  EXPECT_EQ(notes[1].off, kQ + kQ * 3 / 4 * 7 / 8);
  EXPECT_EQ(notes[2].key, 64);
  EXPECT_EQ(notes[2].on, kQ + kQ * 3 / 4);
  EXPECT_EQ(notes[2].off, kQ + kQ * 3 / 4 + 3 * kQ) << "a tie joins the notes into one";
  EXPECT_EQ(smf.endTick, 8 * kQ);
  EXPECT_NEAR(smf.seconds, 4.0, 1e-9) << "two bars at the default 120 beats a minute";
}

TEST(MmlCompiler, OctavesAccidentalsChordsAndKeyNumbers) {
  const SmfFile smf = compile("A o5 c+ <b- >>c 'ceg'4 n36,2 r2 |\n");
  const auto notes = notesOn(smf, 0);
  ASSERT_EQ(notes.size(), 7u);
  EXPECT_EQ(notes[0].key, 73);  // C#5
  EXPECT_EQ(notes[1].key, 70);  // Bb4
  EXPECT_EQ(notes[2].key, 84);  // C6
  EXPECT_EQ(notes[3].key, 84);  // the chord, struck together
  EXPECT_EQ(notes[4].key, 88);
  EXPECT_EQ(notes[5].key, 91);
  for (int i = 3; i < 6; ++i) EXPECT_EQ(notes[i].on, 3 * kQ);
  EXPECT_EQ(notes[6].key, 36);
  EXPECT_EQ(notes[6].on, 4 * kQ);
  EXPECT_EQ(notes[6].off, 4 * kQ + 2 * kQ * 7 / 8);
}

TEST(MmlCompiler, RepeatsPhrasesAndTheWayOut) {
  // [c d : e]3 plays c d e c d e c d; the phrase adds a final f and a rest.
  const SmfFile smf = compile("#define TAIL f r4 r2\nA l4 [c d : e]3 $TAIL\n");
  const auto notes = notesOn(smf, 0);
  std::vector<int> keys;
  for (const auto& n : notes) keys.push_back(n.key);
  EXPECT_EQ(keys, (std::vector<int>{60, 62, 64, 60, 62, 64, 60, 62, 65}));
  EXPECT_EQ(smf.endTick, 12 * kQ);
}

TEST(MmlCompiler, TracksBecomeChannelsWithSettingsBeforeNotes) {
  const SmfFile smf = compile("#tempo 150\nA @73 V90 c1\nJ o2 l4 c d c d\nB @32 o2 c1\n");
  EXPECT_EQ(smf.firstProgram.at(0), 0u);
  EXPECT_EQ(smf.firstProgram.at(1), 0u);
  EXPECT_EQ(notesOn(smf, 9).size(), 4u) << "track J is the drum channel 10";
  EXPECT_NEAR(smf.seconds, 4 * 60.0 / 150, 1e-6);
  EXPECT_EQ(smf.hanging, 0);
  for (std::uint32_t end : smf.trackEnds) EXPECT_EQ(end, 4 * kQ);
}

TEST(MmlCompiler, TempoChangesShapeTheLength) {
  const SmfFile smf = compile("A t60 c1 t240 c1\n");
  EXPECT_NEAR(smf.seconds, 4.0 + 1.0, 1e-6);
}

TEST(MmlCompiler, ThreeFourTime) {
  const SmfFile smf = compile("#meter 3/4\nA l4 c d e | f2. |\n");
  EXPECT_EQ(smf.beats, 3);
  EXPECT_EQ(smf.beatUnit, 4);
  EXPECT_EQ(smf.endTick, 6 * kQ);
}

TEST(MmlCompiler, RefusesPiecesThatCannotLoopCleanly) {
  EXPECT_NE(errorOf("A c1\nB c2\n").find("every track must end together"), std::string::npos);
  EXPECT_NE(errorOf("A c1 c4\n").find("bar line"), std::string::npos);
  EXPECT_NE(errorOf("#meter 3/4\nA c1\n").find("bar line"), std::string::npos);
}

TEST(MmlCompiler, ReportsFaultsWithTheirLine) {
  EXPECT_EQ(errorOf("A c1\n\nA c4 | c2. |\n").substr(0, 7), "line 3:");
  EXPECT_NE(errorOf("A c4 x c2.\n").find("unknown command 'x'"), std::string::npos);
  EXPECT_NE(errorOf("A c7\n").find("not a note value"), std::string::npos);
  EXPECT_NE(errorOf("A [c d\n").find("not closed"), std::string::npos);
  EXPECT_NE(errorOf("A c1 ]\n").find("outside a repeat"), std::string::npos);
  EXPECT_NE(errorOf("A $NOPE\n").find("unknown phrase"), std::string::npos);
  EXPECT_NE(errorOf("#define X $X\nA $X\n").find("unknown phrase"), std::string::npos);
  EXPECT_NE(errorOf("A o9 >c1\n").find("octave"), std::string::npos);
  EXPECT_NE(errorOf("A o9 b1\n").find("MIDI range"), std::string::npos);
  EXPECT_NE(errorOf("A v200 c1\n").find("between 1 and 127"), std::string::npos);
  EXPECT_NE(errorOf("a c1\n").find("track letter"), std::string::npos);
  EXPECT_NE(errorOf("#tempo fast\nA c1\n").find("#tempo"), std::string::npos);
  EXPECT_NE(errorOf("A r4 & c2.\n").find("'&' must follow a note"), std::string::npos);
  EXPECT_NE(errorOf("").find("no tracks"), std::string::npos);
}

}  // namespace
