#pragma once
// Renders an effect description into samples.
#include <vector>

#include "EffectScript.h"

namespace sound {

inline constexpr int kEffectSampleRate = 22050;

// Mono samples in -1..1, normalised so the loudest one is effect.level,
// starting and ending at silence. The same effect always renders the same.
std::vector<float> renderEffect(const Effect& effect, int sampleRate = kEffectSampleRate);

}  // namespace sound
