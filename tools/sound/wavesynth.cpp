// wavesynth SOURCE OUTDIR: renders every wave of the effect source into
// OUTDIR/NAME.wav (16-bit mono PCM).
#include <filesystem>
#include <fstream>
#include <iostream>

#include "EffectScript.h"
#include "EffectSynth.h"
#include "WavFile.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: wavesynth EFFECTS.txt OUTDIR\n";
    return 2;
  }
  try {
    std::ifstream in(argv[1]);
    if (!in) throw std::runtime_error("cannot open the effect source");
    const auto effects = sound::parseEffects(in);
    const std::filesystem::path dir(argv[2]);
    std::filesystem::create_directories(dir);
    for (const auto& effect : effects)
      sound::writeWav16((dir / (effect.name + ".wav")).string(), sound::renderEffect(effect),
                        sound::kEffectSampleRate);
  } catch (const std::exception& e) {
    std::cerr << argv[1] << ": " << e.what() << "\n";
    return 1;
  }
  return 0;
}
