// One field frame and a thousand frames of walking, headless, on the world
// of the built game folder (or on open grass when it has none yet).
#include <benchmark/benchmark.h>

#include "BenchGame.h"
#include "game/core/Game.h"
#include "game/flow/CellTriggers.h"
#include "game/flow/MainLoop.h"

namespace {

using namespace zanbora;

struct FieldBench : BenchGame {
    FieldBench() { standAtStart(); }
    // The new hero's place in the training ground, safe from battles.
    void standAtStart() {
        Game& g = *game;
        g.player.HeroX = 53.5;
        g.player.HeroY = 480.5;
        g.field.LastCellX = Int(g.player.HeroX + 0.5);
        g.field.LastCellY = Int(g.player.HeroY + 0.9);
        g.field.EncounterSteps = 1e9;
    }
    void hold(int key, bool down) { game->keys.KeyState[key] = down; }
};

void BM_FieldFrame(benchmark::State& state) {
    FieldBench bench;
    for (auto _ : state) {
        MOVEN(*bench.game);
        benchmark::DoNotOptimize(bench.game->Pic.pixels().data.data());
    }
}
BENCHMARK(BM_FieldFrame)->Unit(benchmark::kMicrosecond);

// Walks back and forth across the training ground: one cell right, one
// down, one left, one up, over and over.
void BM_Walk1000Frames(benchmark::State& state) {
    FieldBench bench;
    constexpr int kRight = 2, kDown = 3, kLeft = 0, kUp = 1;
    const int order[4] = {kRight, kDown, kLeft, kUp};
    for (auto _ : state) {
        bench.standAtStart();
        for (int frame = 0; frame < 1000; ++frame) {
            for (int key = 0; key < 4; ++key) bench.hold(key, key == order[(frame / 8) % 4]);
            MOVEN(*bench.game);
        }
        benchmark::DoNotOptimize(bench.game->Pic.pixels().data.data());
    }
    state.counters["per_frame"] =
        benchmark::Counter(1000, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_Walk1000Frames)->Unit(benchmark::kMillisecond);

// The whole field frame of the main loop: MOVEN, the status panel, Present
// and the (virtual) frame wait.
void BM_MainLoopFieldFrame(benchmark::State& state) {
    FieldBench bench;
    for (auto _ : state) FieldFrame(*bench.game);
}
BENCHMARK(BM_MainLoopFieldFrame)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
