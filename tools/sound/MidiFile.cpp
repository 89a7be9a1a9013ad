#include "MidiFile.h"

#include <algorithm>
#include <fstream>
#include <stdexcept>

namespace sound {
namespace {

void putVarLen(std::vector<std::uint8_t>& out, std::uint32_t v) {
  std::uint8_t bytes[5];
  int n = 0;
  bytes[n++] = v & 0x7F;
  while (v >>= 7) bytes[n++] = static_cast<std::uint8_t>((v & 0x7F) | 0x80);
  while (n) out.push_back(bytes[--n]);
}

void putBig(std::vector<std::uint8_t>& out, std::uint32_t v, int bytes) {
  for (int i = bytes - 1; i >= 0; --i) out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

std::vector<std::uint8_t> trackChunk(MidiTrack track, std::uint32_t endTick) {
  std::stable_sort(track.events.begin(), track.events.end(), [](const MidiEvent& a, const MidiEvent& b) {
    return a.tick != b.tick ? a.tick < b.tick : a.order < b.order;
  });
  std::vector<std::uint8_t> data;
  std::uint32_t now = 0;
  for (const MidiEvent& e : track.events) {
    if (e.tick > endTick) throw std::runtime_error("an event lies after the end of the piece");
    putVarLen(data, e.tick - now);
    now = e.tick;
    if (e.bytes.at(0) == 0xFF) {
      data.push_back(0xFF);
      data.push_back(e.bytes.at(1));
      putVarLen(data, static_cast<std::uint32_t>(e.bytes.size() - 2));
      data.insert(data.end(), e.bytes.begin() + 2, e.bytes.end());
    } else {
      data.insert(data.end(), e.bytes.begin(), e.bytes.end());
    }
  }
  putVarLen(data, endTick - now);
  data.insert(data.end(), {0xFF, 0x2F, 0x00});
  std::vector<std::uint8_t> chunk = {'M', 'T', 'r', 'k'};
  putBig(chunk, static_cast<std::uint32_t>(data.size()), 4);
  chunk.insert(chunk.end(), data.begin(), data.end());
  return chunk;
}

}  // namespace

void writeMidiFile(const std::string& path, MidiSong song) {
  std::vector<std::uint8_t> file = {'M', 'T', 'h', 'd'};
  putBig(file, 6, 4);
  putBig(file, 1, 2);
  putBig(file, static_cast<std::uint32_t>(song.tracks.size()), 2);
  putBig(file, static_cast<std::uint32_t>(song.ticksPerQuarter), 2);
  for (MidiTrack& track : song.tracks) {
    const auto chunk = trackChunk(std::move(track), song.endTick);
    file.insert(file.end(), chunk.begin(), chunk.end());
  }
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out) throw std::runtime_error("cannot create " + path);
  out.write(reinterpret_cast<const char*>(file.data()), static_cast<std::streamsize>(file.size()));
  if (!out) throw std::runtime_error("cannot write " + path);
}

double songSeconds(const MidiSong& song) {
  std::vector<std::pair<std::uint32_t, std::uint32_t>> tempos;  // tick, microseconds per quarter
  if (!song.tracks.empty())
    for (const MidiEvent& e : song.tracks[0].events)
      if (e.bytes.size() == 5 && e.bytes[0] == 0xFF && e.bytes[1] == 0x51)
        tempos.emplace_back(e.tick, (e.bytes[2] << 16) | (e.bytes[3] << 8) | e.bytes[4]);
  std::stable_sort(tempos.begin(), tempos.end(), [](auto& a, auto& b) { return a.first < b.first; });
  double seconds = 0;
  std::uint32_t tick = 0, tempo = 500000;
  for (auto [at, micros] : tempos) {
    const std::uint32_t upto = std::min(at, song.endTick);
    seconds += static_cast<double>(upto - std::min(tick, upto)) * tempo / 1e6 / song.ticksPerQuarter;
    tick = std::max(tick, upto);
    tempo = micros;
  }
  seconds += static_cast<double>(song.endTick - std::min(tick, song.endTick)) * tempo / 1e6 / song.ticksPerQuarter;
  return seconds;
}

}  // namespace sound
