#include "MmlCompiler.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <map>
#include <sstream>
#include <stdexcept>

namespace sound {
namespace {

constexpr int kWhole = 4 * kTicksPerQuarter;

[[noreturn]] void fail(int line, const std::string& what) {
  throw std::runtime_error("line " + std::to_string(line) + ": " + what);
}

// A track's text with the source line of every character, for messages.
struct TrackText {
  std::string text;
  std::vector<int> lines;
  void append(const std::string& s, int line) {
    text += s;
    text += ' ';
    lines.insert(lines.end(), s.size() + 1, line);
  }
};

bool isNameChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }

std::string expandMacros(const std::string& s, const std::map<std::string, std::string>& macros, int line,
                         int depth = 0) {
  if (depth > 16) fail(line, "a phrase ($NAME) uses itself");
  std::string out;
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (s[i] != '$') {
      out += s[i];
      continue;
    }
    std::size_t j = i + 1;
    while (j < s.size() && isNameChar(s[j])) ++j;
    const std::string name = s.substr(i + 1, j - i - 1);
    auto it = macros.find(name);
    if (it == macros.end()) fail(line, "unknown phrase $" + name);
    out += expandMacros(it->second, macros, line, depth + 1);
    i = j - 1;
  }
  return out;
}

std::vector<std::uint8_t> meta(std::uint8_t type, const std::vector<std::uint8_t>& data) {
  std::vector<std::uint8_t> bytes(2 + data.size());
  bytes[0] = 0xFF;
  bytes[1] = type;
  std::copy(data.begin(), data.end(), bytes.begin() + 2);
  return bytes;
}

std::vector<std::uint8_t> tempoMeta(int bpm) {
  const auto micros = static_cast<std::uint32_t>(60000000 / bpm);
  return meta(0x51, {static_cast<std::uint8_t>(micros >> 16), static_cast<std::uint8_t>(micros >> 8),
                     static_cast<std::uint8_t>(micros)});
}

class TrackCompiler {
 public:
  TrackCompiler(const TrackText& src, int channel, std::uint32_t bar, MidiTrack& out, MidiTrack& conductor)
      : src_(src), channel_(channel), bar_(bar), out_(out), conductor_(conductor) {}

  std::uint32_t run() {
    sequence(0, src_.text.size());
    finishHeld();
    return tick_;
  }

 private:
  enum class Last { None, Note, Rest, Chord };
  struct Held {
    bool active = false;
    bool tie = false;
    int key = 0;
    std::uint32_t segStart = 0, segLen = 0;
    int gate = 7;
  };

  int line(std::size_t p) const { return src_.lines.empty() ? 0 : src_.lines[std::min(p, src_.lines.size() - 1)]; }
  [[noreturn]] void error(std::size_t p, const std::string& what) const { fail(line(p), what); }
  char at(std::size_t p) const { return p < end_ ? src_.text[p] : '\0'; }
  void skipSpace() {
    while (pos_ < end_ && std::isspace(static_cast<unsigned char>(src_.text[pos_]))) ++pos_;
  }

  bool hasNumber() { skipSpace(); return std::isdigit(static_cast<unsigned char>(at(pos_))); }
  int number(const char* what, int lo, int hi) {
    const std::size_t start = pos_;
    if (!hasNumber()) error(start, std::string(what) + " needs a number");
    long v = 0;
    while (std::isdigit(static_cast<unsigned char>(at(pos_)))) {
      v = v * 10 + (at(pos_++) - '0');
      if (v > 100000) break;
    }
    if (v < lo || v > hi)
      error(start, std::string(what) + " must lie between " + std::to_string(lo) + " and " + std::to_string(hi));
    return static_cast<int>(v);
  }

  // A note value with dots; without digits the default length (dots still add).
  std::uint32_t length(bool required) {
    const std::size_t start = pos_;
    std::uint32_t ticks = defaultLength_;
    if (hasNumber()) {
      const int value = number("a length", 1, kWhole);
      if (kWhole % value != 0) error(start, "length " + std::to_string(value) + " is not a note value");
      ticks = static_cast<std::uint32_t>(kWhole / value);
    } else if (required) {
      error(start, "a length is missing");
    }
    std::uint32_t add = ticks;
    while (at(pos_) == '.') {
      ++pos_;
      if (add % 2) error(start, "too many dots");
      add /= 2;
      ticks += add;
    }
    return ticks;
  }

  int pitch(std::size_t p, char letter, int octave) {
    static const std::map<char, int> kSteps = {{'c', 0}, {'d', 2}, {'e', 4}, {'f', 5}, {'g', 7}, {'a', 9}, {'b', 11}};
    int key = 12 * (octave + 1) + kSteps.at(letter);
    for (;; ++pos_) {
      if (at(pos_) == '+' || at(pos_) == '#') ++key;
      else if (at(pos_) == '-') --key;
      else break;
    }
    if (key < 0 || key > 127) error(p, "the note lies outside the MIDI range");
    return key;
  }

  void emit(std::uint32_t tick, int order, std::vector<std::uint8_t> bytes) {
    out_.events.push_back({tick, order, std::move(bytes)});
  }
  void noteOn(int key) { emit(tick_, 2, {static_cast<std::uint8_t>(0x90 | channel_), static_cast<std::uint8_t>(key), static_cast<std::uint8_t>(velocity_)}); }
  void noteOff(std::uint32_t when, int key) { emit(when, 0, {static_cast<std::uint8_t>(0x80 | channel_), static_cast<std::uint8_t>(key), 0}); }
  void control(int cc, int value) { emit(tick_, 1, {static_cast<std::uint8_t>(0xB0 | channel_), static_cast<std::uint8_t>(cc), static_cast<std::uint8_t>(value)}); }
  std::uint32_t gated(std::uint32_t len, int gate) const { return std::max<std::uint32_t>(1, len * static_cast<std::uint32_t>(gate) / 8); }

  void finishHeld() {
    if (!held_.active) return;
    noteOff(held_.segStart + (held_.tie ? held_.segLen : gated(held_.segLen, held_.gate)), held_.key);
    held_.active = false;
  }

  void playNote(int key, std::uint32_t len) {
    if (held_.active && held_.tie && held_.key == key) {
      held_.segStart = tick_;
      held_.segLen = len;
      held_.tie = false;
      held_.gate = gate_;
    } else {
      finishHeld();
      noteOn(key);
      held_ = {true, false, key, tick_, len, gate_};
    }
    tick_ += len;
    last_ = Last::Note;
  }

  void chord(std::size_t start) {
    std::vector<int> keys;
    int octave = octave_;
    ++pos_;
    for (;;) {
      skipSpace();
      const char c = at(pos_);
      if (c == '\'') { ++pos_; break; }
      if (c == '\0') error(start, "a chord is not closed with '");
      ++pos_;
      if (c == '<') --octave;
      else if (c == '>') ++octave;
      else if (c >= 'a' && c <= 'g') keys.push_back(pitch(pos_ - 1, c, octave));
      else error(pos_ - 1, std::string("'") + c + "' cannot stand in a chord");
    }
    if (keys.empty()) error(start, "an empty chord");
    const std::uint32_t len = length(false);
    finishHeld();
    for (int key : keys) {
      noteOn(key);
      noteOff(tick_ + gated(len, gate_), key);
    }
    tick_ += len;
    last_ = Last::Chord;
  }

  // Positions of the ']' matching the '[' at open, and of its top-level ':'.
  std::pair<std::size_t, std::size_t> loopBounds(std::size_t open) const {
    int depth = 0;
    std::size_t colon = std::string::npos;
    for (std::size_t p = open; p < end_; ++p) {
      const char c = src_.text[p];
      if (c == '[') ++depth;
      else if (c == ':' && depth == 1 && colon == std::string::npos) colon = p;
      else if (c == ']' && --depth == 0) return {p, colon};
    }
    error(open, "'[' is not closed with ']'");
  }

  void sequence(std::size_t begin, std::size_t end) {
    const std::size_t outerEnd = end_;
    end_ = end;
    pos_ = begin;
    while (true) {
      skipSpace();
      if (pos_ >= end_) break;
      const std::size_t p = pos_;
      const char c = src_.text[pos_++];
      if (c >= 'a' && c <= 'g') {
        const int key = pitch(p, c, octave_);
        playNote(key, length(false));
      } else if (c == 'r') {
        const std::uint32_t len = length(false);
        finishHeld();
        tick_ += len;
        last_ = Last::Rest;
      } else if (c == 'n') {
        const int key = number("n", 0, 127);
        std::uint32_t len = defaultLength_;
        skipSpace();
        if (at(pos_) == ',') { ++pos_; len = length(true); }
        playNote(key, len);
      } else if (c == '\'') {
        --pos_;
        chord(p);
      } else if (c == '&') {
        if (last_ != Last::Note || !held_.active) error(p, "'&' must follow a note");
        held_.tie = true;
      } else if (c == '^') {
        const std::uint32_t len = length(true);
        if (last_ == Last::Note && held_.active) held_.segLen += len;
        else if (last_ != Last::Rest) error(p, "'^' must follow a note or a rest");
        tick_ += len;
      } else if (c == 'o') {
        octave_ = number("o", 0, 9);
      } else if (c == '<') {
        --octave_;
      } else if (c == '>') {
        ++octave_;
      } else if (c == 'l') {
        defaultLength_ = length(true);
      } else if (c == 'q') {
        gate_ = number("q", 1, 8);
      } else if (c == 'v') {
        velocity_ = number("v", 1, 127);
      } else if (c == '@') {
        const int program = number("@", 0, 127);
        emit(tick_, 1, {static_cast<std::uint8_t>(0xC0 | channel_), static_cast<std::uint8_t>(program)});
      } else if (c == 'V') {
        control(7, number("V", 0, 127));
      } else if (c == 'p') {
        control(10, number("p", 0, 127));
      } else if (c == 'E') {
        control(11, number("E", 0, 127));
      } else if (c == 'y') {
        const int cc = number("y", 0, 119);
        skipSpace();
        if (at(pos_) != ',') error(p, "y needs CONTROLLER,VALUE");
        ++pos_;
        control(cc, number("y", 0, 127));
      } else if (c == 't') {
        conductor_.events.push_back({tick_, 1, tempoMeta(number("t", 20, 400))});
      } else if (c == '[') {
        const auto [close, colon] = loopBounds(p);
        pos_ = close + 1;
        const int count = hasNumber() ? number("a repeat count", 1, 64) : 2;
        const std::size_t after = pos_;
        ++loopDepth_;
        for (int i = 0; i < count; ++i) {
          const bool lastTime = i == count - 1;
          sequence(p + 1, lastTime && colon != std::string::npos ? colon : close);
        }
        --loopDepth_;
        end_ = end;
        pos_ = after;
      } else if (c == '|') {
        if (tick_ % bar_ != 0)
          error(p, "a bar line '|' falls " + std::to_string(tick_ % bar_) + " ticks into bar " +
                       std::to_string(tick_ / bar_ + 1));
      } else if (c == ':' && loopDepth_ > 0) {
        // the way out of a repeat: passed over on every time but the last
      } else if (c == ':' || c == ']') {
        error(p, std::string("'") + c + "' outside a repeat");
      } else {
        error(p, std::string("unknown command '") + c + "'");
      }
      if (octave_ < 0 || octave_ > 9) error(p, "the octave left the range 0..9");
    }
    end_ = outerEnd;
  }

  const TrackText& src_;
  int channel_;
  std::uint32_t bar_;
  MidiTrack& out_;
  MidiTrack& conductor_;
  std::size_t pos_ = 0, end_ = 0;
  std::uint32_t tick_ = 0;
  std::uint32_t defaultLength_ = kTicksPerQuarter;
  int octave_ = 4, gate_ = 7, velocity_ = 100;
  int loopDepth_ = 0;
  Held held_;
  Last last_ = Last::None;
};

std::string describe(std::uint32_t ticks, std::uint32_t bar) {
  std::string s = std::to_string(ticks / bar) + " bars";
  if (ticks % bar) s += " and " + std::to_string(ticks % bar) + " ticks";
  return s;
}

}  // namespace

MidiSong compileMml(std::istream& in) {
  std::string title = "untitled";
  int tempo = 120, beats = 4, beatUnit = 4;
  std::map<std::string, std::string> macros;
  std::map<int, TrackText> tracks;
  std::map<int, int> firstLine;
  std::string text;
  for (int line = 1; std::getline(in, text); ++line) {
    if (const auto semi = text.find(';'); semi != std::string::npos) text.erase(semi);
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back()))) text.pop_back();
    if (text.find_first_not_of(" \t") == std::string::npos) continue;
    if (text[0] == '#') {
      std::stringstream words(text.substr(1));
      std::string directive, rest;
      words >> directive;
      std::getline(words >> std::ws, rest);
      if (directive == "title") {
        title = rest;
      } else if (directive == "tempo") {
        try { tempo = std::stoi(rest); } catch (const std::exception&) { tempo = 0; }
        if (tempo < 20 || tempo > 400) fail(line, "#tempo needs beats per minute between 20 and 400");
      } else if (directive == "meter") {
        if (std::sscanf(rest.c_str(), "%d/%d", &beats, &beatUnit) != 2 || beats < 1 || beats > 16 ||
            (beatUnit != 2 && beatUnit != 4 && beatUnit != 8))
          fail(line, "#meter needs N/D such as 4/4, 3/4 or 6/8");
      } else if (directive == "define") {
        std::stringstream def(rest);
        std::string name, body;
        def >> name;
        std::getline(def >> std::ws, body);
        if (name.empty() || !std::all_of(name.begin(), name.end(), isNameChar))
          fail(line, "#define needs a name of letters, digits and '_'");
        macros[name] = expandMacros(body, macros, line);
      } else {
        fail(line, "unknown directive #" + directive);
      }
      continue;
    }
    const char letter = text[0];
    if (letter < 'A' || letter > 'P' || (text.size() > 1 && !std::isspace(static_cast<unsigned char>(text[1]))))
      fail(line, "a line must start with a track letter A..P or a # directive");
    const int index = letter - 'A';
    firstLine.try_emplace(index, line);
    tracks[index].append(expandMacros(text.substr(1), macros, line), line);
  }
  if (tracks.empty()) fail(0, "the piece has no tracks");

  MidiSong song;
  song.ticksPerQuarter = kTicksPerQuarter;
  song.tracks.emplace_back();
  MidiTrack& conductor = song.tracks[0];
  conductor.events.push_back({0, 1, meta(0x03, std::vector<std::uint8_t>(title.begin(), title.end()))});
  int unitLog = 0;
  while ((1 << unitLog) < beatUnit) ++unitLog;
  conductor.events.push_back({0, 1, meta(0x58, {static_cast<std::uint8_t>(beats), static_cast<std::uint8_t>(unitLog), 24, 8})});
  conductor.events.push_back({0, 1, tempoMeta(tempo)});

  const auto bar = static_cast<std::uint32_t>(kWhole * beats / beatUnit);
  std::uint32_t end = 0;
  int endTrack = -1;
  std::vector<MidiTrack> channels;
  for (auto& [index, source] : tracks) {
    MidiTrack track;
    track.events.push_back({0, 1, meta(0x03, {static_cast<std::uint8_t>('A' + index)})});
    const std::uint32_t length = TrackCompiler(source, index, bar, track, conductor).run();
    if (endTrack < 0) {
      end = length;
      endTrack = index;
    } else if (length != end) {
      fail(firstLine[index], std::string("track ") + static_cast<char>('A' + index) + " lasts " +
                                 describe(length, bar) + " but track " + static_cast<char>('A' + endTrack) +
                                 " lasts " + describe(end, bar) + "; every track must end together");
    }
    channels.push_back(std::move(track));
  }
  if (end == 0 || end % bar != 0)
    fail(firstLine.begin()->second, "the piece lasts " + describe(end, bar) + "; it must end on a bar line to loop");
  for (MidiTrack& t : channels) song.tracks.push_back(std::move(t));
  song.endTick = end;
  return song;
}

}  // namespace sound
