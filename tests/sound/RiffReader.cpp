#include "RiffReader.h"

#include <cstring>
#include <stdexcept>

namespace soundtest {
namespace {

std::uint32_t le(const std::vector<std::uint8_t>& b, std::size_t at, int n) {
  if (at + static_cast<std::size_t>(n) > b.size()) throw std::runtime_error("the wave file is cut short");
  std::uint32_t v = 0;
  for (int i = n - 1; i >= 0; --i) v = (v << 8) | b[at + static_cast<std::size_t>(i)];
  return v;
}

bool tag(const std::vector<std::uint8_t>& b, std::size_t at, const char* name) {
  return at + 4 <= b.size() && std::memcmp(&b[at], name, 4) == 0;
}

}  // namespace

PcmWave readPcmWave(const std::vector<std::uint8_t>& b) {
  if (!tag(b, 0, "RIFF") || !tag(b, 8, "WAVE")) throw std::runtime_error("not a RIFF/WAVE file");
  if (le(b, 4, 4) + 8 != b.size()) throw std::runtime_error("the RIFF size disagrees with the file size");
  PcmWave wave;
  bool haveFormat = false, haveData = false;
  for (std::size_t at = 12; at + 8 <= b.size();) {
    const std::uint32_t size = le(b, at + 4, 4);
    const std::size_t body = at + 8;
    if (body + size > b.size()) throw std::runtime_error("a chunk runs past the end of the file");
    if (tag(b, at, "fmt ")) {
      if (size < 16) throw std::runtime_error("the fmt chunk is too short");
      if (le(b, body, 2) != 1) throw std::runtime_error("the wave is not plain PCM");
      wave.channels = static_cast<int>(le(b, body + 2, 2));
      wave.sampleRate = static_cast<int>(le(b, body + 4, 4));
      const std::uint32_t byteRate = le(b, body + 8, 4);
      const std::uint32_t blockAlign = le(b, body + 12, 2);
      wave.bitsPerSample = static_cast<int>(le(b, body + 14, 2));
      if (wave.bitsPerSample != 16) throw std::runtime_error("the wave is not 16-bit");
      if (wave.channels < 1 || wave.channels > 2 || wave.sampleRate < 8000 || wave.sampleRate > 96000)
        throw std::runtime_error("implausible channel count or sample rate");
      if (blockAlign != static_cast<std::uint32_t>(2 * wave.channels) ||
          byteRate != blockAlign * static_cast<std::uint32_t>(wave.sampleRate))
        throw std::runtime_error("block align or byte rate disagree with the format");
      haveFormat = true;
    } else if (tag(b, at, "data")) {
      if (!haveFormat) throw std::runtime_error("the data chunk comes before the fmt chunk");
      if (size % (2 * static_cast<std::uint32_t>(wave.channels)))
        throw std::runtime_error("the data is not a whole number of frames");
      wave.samples.resize(size / 2);
      for (std::size_t i = 0; i < wave.samples.size(); ++i)
        wave.samples[i] = static_cast<std::int16_t>(le(b, body + 2 * i, 2));
      haveData = true;
    }
    at = body + size + (size & 1);
  }
  if (!haveFormat || !haveData) throw std::runtime_error("the fmt or data chunk is missing");
  return wave;
}

}  // namespace soundtest
