#include "EffectScript.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <set>
#include <sstream>
#include <stdexcept>

#include "NoteName.h"

namespace sound {
namespace {

[[noreturn]] void fail(int line, const std::string& what) {
  throw std::runtime_error("line " + std::to_string(line) + ": " + what);
}

double number(const std::string& text, int line, const std::string& key) {
  try {
    std::size_t used = 0;
    const double v = std::stod(text, &used);
    if (used == text.size() && std::isfinite(v)) return v;
  } catch (const std::exception&) {
  }
  fail(line, "'" + key + "' needs a number, not '" + text + "'");
}

double frequency(const std::string& text, int line, const std::string& key) {
  if (auto n = noteNumber(text)) return keyFrequency(*n);
  const double hz = number(text, line, key);
  if (hz < 0 || hz > 20000) fail(line, "'" + key + "' is out of range: " + text);
  return hz;
}

void checkRange(double v, double lo, double hi, int line, const std::string& key) {
  if (v < lo || v > hi)
    fail(line, "'" + key + "' must lie between " + std::to_string(lo) + " and " + std::to_string(hi));
}

Waveform waveform(const std::string& word, int line) {
  static const std::map<std::string, Waveform> kNames = {{"sine", Waveform::Sine},
                                                          {"square", Waveform::Square},
                                                          {"triangle", Waveform::Triangle},
                                                          {"saw", Waveform::Saw},
                                                          {"noise", Waveform::Noise}};
  auto it = kNames.find(word);
  if (it == kNames.end()) fail(line, "unknown waveform '" + word + "'");
  return it->second;
}

std::pair<std::string, std::string> splitSetting(const std::string& word, int line) {
  const auto eq = word.find('=');
  if (eq == std::string::npos || eq == 0 || eq + 1 == word.size())
    fail(line, "expected key=value, found '" + word + "'");
  return {word.substr(0, eq), word.substr(eq + 1)};
}

void setLayer(EffectLayer& layer, const std::string& key, const std::string& value, int line) {
  if (key == "notes") {
    std::stringstream list(value);
    std::string item;
    while (std::getline(list, item, ',')) layer.notes.push_back(frequency(item, line, key));
    if (layer.notes.empty()) fail(line, "'notes' is empty");
    return;
  }
  if (key == "freq") { layer.freq = frequency(value, line, key); return; }
  if (key == "to") { layer.to = frequency(value, line, key); return; }
  if (key == "cutoff") { layer.cutoff = frequency(value, line, key); return; }
  if (key == "cutoffto") { layer.cutoffTo = frequency(value, line, key); return; }
  const double v = number(value, line, key);
  struct Field { double EffectLayer::*member; double lo, hi; };
  static const std::map<std::string, Field> kFields = {
      {"at", {&EffectLayer::at, 0, 10}},          {"len", {&EffectLayer::len, 0.001, 10}},
      {"vol", {&EffectLayer::vol, 0, 2}},         {"attack", {&EffectLayer::attack, 0, 5}},
      {"decay", {&EffectLayer::decay, 0, 10}},    {"release", {&EffectLayer::release, 0, 5}},
      {"duty", {&EffectLayer::duty, 0.01, 0.99}}, {"vib", {&EffectLayer::vib, 0, 100}},
      {"vibdepth", {&EffectLayer::vibDepth, 0, 24}}, {"trem", {&EffectLayer::trem, 0, 200}},
      {"tremdepth", {&EffectLayer::tremDepth, 0, 1}}, {"q", {&EffectLayer::q, 0.3, 20}},
      {"fm", {&EffectLayer::fmRatio, 0, 20}},     {"fmindex", {&EffectLayer::fmIndex, 0, 50}},
      {"fmdecay", {&EffectLayer::fmDecay, 0, 10}}};
  auto it = kFields.find(key);
  if (it == kFields.end()) fail(line, "unknown layer setting '" + key + "'");
  checkRange(v, it->second.lo, it->second.hi, line, key);
  layer.*(it->second.member) = v;
}

void setEffect(Effect& effect, const std::string& key, const std::string& value, int line) {
  const double v = number(value, line, key);
  if (key == "level") { checkRange(v, 0.01, 1, line, key); effect.level = v; }
  else if (key == "echo") { checkRange(v, 0, 2, line, key); effect.echo = v; }
  else if (key == "feedback") { checkRange(v, 0, 0.9, line, key); effect.feedback = v; }
  else fail(line, "unknown wave setting '" + key + "'");
}

bool validName(const std::string& name) {
  return !name.empty() && std::all_of(name.begin(), name.end(), [](char c) {
    return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
  });
}

}  // namespace

std::vector<Effect> parseEffects(std::istream& in) {
  std::vector<Effect> effects;
  std::set<std::string> names;
  std::string text;
  int line = 0;
  while (std::getline(in, text)) {
    ++line;
    // A '#' starting a word opens a comment; inside a note name it is a sharp.
    for (std::size_t i = 0; i < text.size(); ++i)
      if (text[i] == '#' && (i == 0 || text[i - 1] == ' ' || text[i - 1] == '\t')) {
        text.erase(i);
        break;
      }
    std::stringstream words(text);
    std::string first;
    if (!(words >> first)) continue;
    const bool indented = text[0] == ' ' || text[0] == '\t';
    if (!indented) {
      if (first != "wave") fail(line, "expected 'wave NAME', found '" + first + "'");
      Effect effect;
      effect.line = line;
      if (!(words >> effect.name) || !validName(effect.name))
        fail(line, "a wave needs a lower-case name of letters, digits and '_'");
      if (!names.insert(effect.name).second) fail(line, "wave '" + effect.name + "' is defined twice");
      for (std::string word; words >> word;) {
        auto [key, value] = splitSetting(word, line);
        setEffect(effect, key, value, line);
      }
      effects.push_back(std::move(effect));
      continue;
    }
    if (effects.empty()) fail(line, "a layer must follow a 'wave NAME' heading");
    EffectLayer layer;
    layer.line = line;
    layer.wave = waveform(first, line);
    for (std::string word; words >> word;) {
      auto [key, value] = splitSetting(word, line);
      setLayer(layer, key, value, line);
    }
    if (layer.wave != Waveform::Noise && layer.freq <= 0 && layer.notes.empty())
      fail(line, "a tone layer needs 'freq' or 'notes'");
    effects.back().layers.push_back(std::move(layer));
  }
  for (const Effect& e : effects)
    if (e.layers.empty()) fail(e.line, "wave '" + e.name + "' has no layers");
  return effects;
}

double effectDuration(const Effect& effect) {
  double end = 0;
  for (const EffectLayer& layer : effect.layers) {
    const double count = layer.notes.empty() ? 1.0 : static_cast<double>(layer.notes.size());
    end = std::max(end, layer.at + count * layer.len);
  }
  if (effect.echo > 0 && effect.feedback > 0) {
    // Repeats until the echo has fallen below 1 % of the sound.
    const double repeats = std::ceil(std::log(0.01) / std::log(effect.feedback));
    end += std::min(2.0, effect.echo * repeats);
  }
  return end;
}

}  // namespace sound
