#pragma once
// Writing 16-bit mono PCM wave files.
#include <string>
#include <vector>

namespace sound {

// Writes samples in -1..1 (clipped) as a canonical RIFF/WAVE file.
// Throws std::runtime_error when the file cannot be written.
void writeWav16(const std::string& path, const std::vector<float>& samples, int sampleRate);

}  // namespace sound
