#pragma once
// The text form of the sound effects.
//
//   # comment (a # that starts a word)
//   wave men03 level=0.5 echo=0.08 feedback=0.3
//     square at=0 len=0.05 freq=B5 duty=0.25 release=0.03
//     noise  at=0 len=0.40 cutoff=3000 cutoffto=200 decay=0.1
//
// A "wave" heading names one output file and its effect-wide settings; each
// indented line under it is a layer: a waveform and its synthesis parameters.
// Frequencies are in Hz or note names ("C5", "F#4").
#include <istream>
#include <string>
#include <vector>

namespace sound {

enum class Waveform { Sine, Square, Triangle, Saw, Noise };

struct EffectLayer {
  Waveform wave = Waveform::Sine;
  double at = 0;           // start time, seconds
  double len = 0.1;        // length of the layer (or of each note), seconds
  double freq = 0;         // start frequency; for noise the sample-and-hold rate (0 = white)
  double to = 0;           // end frequency of an exponential glide (0 = no glide)
  std::vector<double> notes;  // a note sequence played one after the other, len each
  double vol = 0.5;
  double attack = 0.002;   // linear rise, seconds
  double decay = 0;        // exponential decay time constant after the attack (0 = hold)
  double release = 0.01;   // linear fall at the end, seconds
  double duty = 0.5;       // square wave duty cycle
  double vib = 0, vibDepth = 0;    // vibrato rate (Hz) and depth (semitones)
  double trem = 0, tremDepth = 0;  // tremolo rate (Hz) and depth (0..1)
  double cutoff = 0, cutoffTo = 0, q = 0.7;  // low-pass filter glide (0 = no filter)
  double fmRatio = 0, fmIndex = 0, fmDecay = 0;  // sine phase modulation
  int line = 0;
};

struct Effect {
  std::string name;
  double level = 0.7;      // peak level the effect is normalised to
  double echo = 0;         // echo delay, seconds (0 = none)
  double feedback = 0.35;  // echo feedback 0..0.9
  std::vector<EffectLayer> layers;
  int line = 0;
};

// Parses the whole source. Throws std::runtime_error("line N: ...") on bad input.
std::vector<Effect> parseEffects(std::istream& in);

// Total length of the rendered effect in seconds, echo tail included.
double effectDuration(const Effect& effect);

}  // namespace sound
