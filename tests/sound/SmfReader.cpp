#include "SmfReader.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace soundtest {
namespace {

class Cursor {
 public:
  Cursor(const std::vector<std::uint8_t>& b, std::size_t begin, std::size_t end) : b_(b), p_(begin), end_(end) {}
  bool done() const { return p_ >= end_; }
  std::uint8_t byte() {
    if (p_ >= end_) throw std::runtime_error("MIDI data runs past its chunk");
    return b_[p_++];
  }
  std::uint8_t peek() const {
    if (p_ >= end_) throw std::runtime_error("MIDI data runs past its chunk");
    return b_[p_];
  }
  std::uint32_t big(int n) {
    std::uint32_t v = 0;
    for (int i = 0; i < n; ++i) v = (v << 8) | byte();
    return v;
  }
  std::uint32_t varLen() {
    std::uint32_t v = 0;
    for (int i = 0; i < 4; ++i) {
      const std::uint8_t c = byte();
      v = (v << 7) | (c & 0x7F);
      if (!(c & 0x80)) return v;
    }
    throw std::runtime_error("a variable-length number is longer than four bytes");
  }
  void skip(std::uint32_t n) {
    if (n > end_ - p_) throw std::runtime_error("MIDI data runs past its chunk");
    p_ += n;
  }
  std::size_t pos() const { return p_; }

 private:
  const std::vector<std::uint8_t>& b_;
  std::size_t p_, end_;
};

}  // namespace

std::vector<std::uint8_t> readFileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot open " + path);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

SmfFile readSmf(const std::vector<std::uint8_t>& bytes) {
  Cursor file(bytes, 0, bytes.size());
  if (file.big(4) != 0x4D546864 || file.big(4) != 6) throw std::runtime_error("no MThd header");
  SmfFile smf;
  smf.format = static_cast<int>(file.big(2));
  const std::uint32_t tracks = file.big(2);
  smf.division = static_cast<int>(file.big(2));
  if (smf.division <= 0 || smf.division & 0x8000) throw std::runtime_error("division must be ticks per quarter");
  std::vector<std::pair<std::uint32_t, std::uint32_t>> tempos;
  bool haveMetre = false;
  for (std::uint32_t t = 0; t < tracks; ++t) {
    if (file.big(4) != 0x4D54726B) throw std::runtime_error("missing MTrk chunk");
    const std::uint32_t length = file.big(4);
    const std::size_t begin = file.pos();
    file.skip(length);
    Cursor c(bytes, begin, begin + length);
    std::uint32_t tick = 0;
    std::uint8_t status = 0;
    bool ended = false;
    std::map<std::pair<int, int>, std::uint32_t> sounding;
    while (!c.done() && !ended) {
      tick += c.varLen();
      if (c.peek() & 0x80) status = c.byte();
      else if (status == 0) throw std::runtime_error("running status with no status byte");
      if (status == 0xFF) {
        const std::uint8_t type = c.byte();
        const std::uint32_t len = c.varLen();
        const std::size_t at = c.pos();
        c.skip(len);
        if (type == 0x2F) ended = true;
        if (type == 0x51 && len == 3)
          tempos.emplace_back(tick, (bytes[at] << 16) | (bytes[at + 1] << 8) | bytes[at + 2]);
        if (type == 0x58 && len >= 2 && !haveMetre) {
          smf.beats = bytes[at];
          smf.beatUnit = 1 << bytes[at + 1];
          haveMetre = true;
        }
        status = 0;
        continue;
      }
      if (status == 0xF0 || status == 0xF7) {
        c.skip(c.varLen());
        status = 0;
        continue;
      }
      const int kind = status & 0xF0, channel = status & 0x0F;
      const std::uint8_t d1 = c.byte();
      const std::uint8_t d2 = (kind == 0xC0 || kind == 0xD0) ? 0 : c.byte();
      if ((d1 | d2) & 0x80) throw std::runtime_error("a data byte has its top bit set");
      if (kind == 0xC0) smf.firstProgram.try_emplace(channel, tick);
      const std::pair<int, int> key{channel, d1};
      if (kind == 0x90 && d2 > 0) {
        if (sounding.count(key)) ++smf.retriggered;
        else sounding[key] = tick;
      } else if (kind == 0x80 || kind == 0x90) {
        auto it = sounding.find(key);
        if (it != sounding.end()) {
          smf.notes.push_back({channel, d1, it->second, tick});
          sounding.erase(it);
        }
      }
    }
    if (!ended) throw std::runtime_error("a track has no End of Track");
    smf.hanging += static_cast<int>(sounding.size());
    smf.trackEnds.push_back(tick);
    smf.endTick = std::max(smf.endTick, tick);
  }
  std::stable_sort(tempos.begin(), tempos.end(), [](auto& a, auto& b) { return a.first < b.first; });
  std::uint32_t tick = 0, tempo = 500000;
  for (auto [at, micros] : tempos) {
    const std::uint32_t upto = std::min(at, smf.endTick);
    if (upto > tick) smf.seconds += static_cast<double>(upto - tick) * tempo / 1e6 / smf.division;
    tick = std::max(tick, upto);
    tempo = micros;
  }
  if (smf.endTick > tick) smf.seconds += static_cast<double>(smf.endTick - tick) * tempo / 1e6 / smf.division;
  return smf;
}

}  // namespace soundtest
