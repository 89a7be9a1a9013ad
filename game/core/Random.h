#pragma once
// The game's one random generator: Rnd() is uniform in [0, 1). The main loop
// reseeds it from the clock every frame. Tests may pin the next draws.
//
// The engine, its seeding and its output are fixed by the C++ standard; the
// step from two 32-bit outputs to [0, 1) is written out here rather than left
// to a library's distribution, so the passwords players compare (the crystal
// ball's words, the clear record's characters) stay the same on every build.
#include <cmath>
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
        // (low + high x 2^32) / 2^64, rounded to a double; a sum that rounds
        // up to 1 is kept just below it.
        const double low = double(engine_());
        const double high = double(engine_());
        const double value = (low + high * 4294967296.0) * 0x1p-64;
        return value < 1.0 ? value : std::nextafter(1.0, 0.0);
    }
    // Draws handed out before the generator's own.
    std::deque<double> pinned;

private:
    std::mt19937 engine_{12345};
};

}  // namespace zanbora
