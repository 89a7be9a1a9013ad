#include "EffectSynth.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>

namespace sound {
namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;

// Small deterministic noise source, so every build makes the same files.
class Noise {
 public:
  explicit Noise(std::uint32_t seed) : state_(seed ? seed : 0x9E3779B9u) {}
  double next() {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return static_cast<double>(state_) / 2147483647.5 - 1.0;
  }

 private:
  std::uint32_t state_;
};

// Zero-delay-feedback state-variable low-pass filter: stable at every cutoff.
class LowPass {
 public:
  double process(double x, double cutoff, double q, int rate) {
    const double g = std::tan(std::numbers::pi * std::min(cutoff, 0.45 * rate) / rate);
    const double k = 1.0 / q;
    const double a1 = 1.0 / (1.0 + g * (g + k));
    const double a2 = g * a1;
    const double a3 = g * a2;
    const double v3 = x - ic2_;
    const double v1 = a1 * ic1_ + a2 * v3;
    const double v2 = ic2_ + a2 * ic1_ + a3 * v3;
    ic1_ = 2 * v1 - ic1_;
    ic2_ = 2 * v2 - ic2_;
    return v2;
  }

 private:
  double ic1_ = 0, ic2_ = 0;
};

double glide(double from, double to, double u) {
  if (to <= 0 || from <= 0) return from;
  return from * std::pow(to / from, u);
}

double envelope(const EffectLayer& layer, double t, double length) {
  double a = layer.attack > 0 && t < layer.attack ? t / layer.attack : 1.0;
  if (layer.decay > 0 && t > layer.attack) a *= std::exp(-(t - layer.attack) / layer.decay);
  const double left = length - t;
  if (layer.release > 0 && left < layer.release) a *= std::max(0.0, left / layer.release);
  return a;
}

// Smooths the jump of a square or saw wave over one sample on each side, so
// high notes do not fold back into harsh, out-of-tune partials.
double polyBlep(double t, double dt) {
  if (t < dt) {
    t /= dt;
    return t + t - t * t - 1;
  }
  if (t > 1 - dt) {
    t = (t - 1) / dt;
    return t * t + t + t + 1;
  }
  return 0;
}

double oscillator(const EffectLayer& layer, double phase, double step, double t) {
  const double frac = phase - std::floor(phase);
  const double dt = std::min(step, 0.5);
  switch (layer.wave) {
    case Waveform::Square: {
      double v = frac < layer.duty ? 1.0 : -1.0;
      v += polyBlep(frac, dt);
      const double fall = frac + 1 - layer.duty;
      v -= polyBlep(fall - std::floor(fall), dt);
      return v;
    }
    case Waveform::Triangle: return frac < 0.5 ? 4 * frac - 1 : 3 - 4 * frac;
    case Waveform::Saw: return 2 * frac - 1 - polyBlep(frac, dt);
    case Waveform::Sine:
    case Waveform::Noise: break;
  }
  double modulation = 0;
  if (layer.fmRatio > 0 && layer.fmIndex > 0) {
    const double index = layer.fmDecay > 0 ? layer.fmIndex * std::exp(-t / layer.fmDecay) : layer.fmIndex;
    modulation = index * std::sin(kTwoPi * phase * layer.fmRatio);
  }
  return std::sin(kTwoPi * phase + modulation);
}

void addLayer(const EffectLayer& layer, std::uint32_t seed, int rate, std::vector<double>& mix) {
  const std::size_t segments = layer.notes.empty() ? 1 : layer.notes.size();
  Noise noise(seed);
  LowPass filter;
  double held = 0;
  for (std::size_t s = 0; s < segments; ++s) {
    const double base = layer.notes.empty() ? layer.freq : layer.notes[s];
    const double start = layer.at + static_cast<double>(s) * layer.len;
    const auto first = static_cast<std::size_t>(std::llround(start * rate));
    const auto count = static_cast<std::size_t>(std::llround(layer.len * rate));
    double phase = 0;
    for (std::size_t i = 0; i < count && first + i < mix.size(); ++i) {
      const double t = static_cast<double>(i) / rate;
      const double u = t / layer.len;
      double f = glide(base, layer.to, u);
      if (layer.vib > 0) f *= std::pow(2.0, layer.vibDepth / 12.0 * std::sin(kTwoPi * layer.vib * t));
      double v;
      if (layer.wave == Waveform::Noise) {
        if (f <= 0) {
          held = noise.next();
        } else {
          phase += f / rate;
          if (phase >= 1 || i == 0) {
            phase -= std::floor(phase);
            held = noise.next();
          }
        }
        v = held;
      } else {
        v = oscillator(layer, phase, f / rate, t);
        phase += f / rate;
      }
      if (layer.cutoff > 0) v = filter.process(v, glide(layer.cutoff, layer.cutoffTo, u), layer.q, rate);
      double gain = layer.vol * envelope(layer, t, layer.len);
      if (layer.trem > 0) gain *= 1 - layer.tremDepth * (0.5 + 0.5 * std::sin(kTwoPi * layer.trem * t));
      mix[first + i] += v * gain;
    }
  }
}

std::uint32_t nameSeed(const std::string& name) {
  std::uint32_t h = 2166136261u;
  for (unsigned char c : name) h = (h ^ c) * 16777619u;
  return h;
}

}  // namespace

std::vector<float> renderEffect(const Effect& effect, int rate) {
  const auto total = static_cast<std::size_t>(std::ceil(effectDuration(effect) * rate)) + 1;
  std::vector<double> mix(total, 0.0);
  std::uint32_t seed = nameSeed(effect.name);
  for (const EffectLayer& layer : effect.layers) addLayer(layer, seed += 0x6D2B79F5u, rate, mix);

  if (effect.echo > 0 && effect.feedback > 0) {
    const auto delay = static_cast<std::size_t>(std::llround(effect.echo * rate));
    for (std::size_t i = delay; i < mix.size(); ++i) mix[i] += effect.feedback * mix[i - delay];
  }

  // A short fade at both ends keeps the effect free of clicks.
  const std::size_t fade = std::min<std::size_t>(mix.size() / 2, static_cast<std::size_t>(rate / 200));
  for (std::size_t i = 0; i < fade; ++i) {
    const double g = static_cast<double>(i) / static_cast<double>(fade);
    mix[i] *= g;
    mix[mix.size() - 1 - i] *= g;
  }

  double peak = 0;
  for (double v : mix) peak = std::max(peak, std::abs(v));
  const double scale = peak > 0 ? effect.level / peak : 0.0;
  std::vector<float> out(mix.size());
  std::transform(mix.begin(), mix.end(), out.begin(), [scale](double v) { return static_cast<float>(v * scale); });
  return out;
}

}  // namespace sound
