#pragma once
// An independent reader of RIFF/WAVE files, to check the built effects.
#include <cstdint>
#include <vector>

namespace soundtest {

struct PcmWave {
  int channels = 0;
  int sampleRate = 0;
  int bitsPerSample = 0;
  std::vector<std::int16_t> samples;  // interleaved
};

// Accepts only uncompressed 16-bit PCM; throws std::runtime_error otherwise
// or when a size field disagrees with the file.
PcmWave readPcmWave(const std::vector<std::uint8_t>& bytes);

}  // namespace soundtest
