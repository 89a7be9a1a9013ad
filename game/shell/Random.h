#pragma once
// The game's one random generator: Rnd() is uniform in [0, 1). The main loop
// reseeds it from the clock every frame. Tests may pin the next draws.
#include <cstdint>
#include <deque>
#include <random>

namespace zanbora {

class Random {
public:
    void seed(uint32_t value) { engine_.seed(value); }
    // Back to the generator's fixed starting state, then seeded with a value:
    // the draws that follow depend on that value alone (pinned draws are
    // forgotten too).
    void restart(uint64_t value) {
        pinned.clear();
        std::seed_seq sequence{uint32_t(value), uint32_t(value >> 32)};
        engine_.seed(sequence);
    }
    double next() {
        if (!pinned.empty()) {
            double value = pinned.front();
            pinned.pop_front();
            return value;
        }
        return std::uniform_real_distribution<double>(0.0, 1.0)(engine_);
    }
    // Draws handed out before the generator's own.
    std::deque<double> pinned;

private:
    std::mt19937 engine_{12345};
};

}  // namespace zanbora
