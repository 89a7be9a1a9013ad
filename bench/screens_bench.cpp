// Frames of the screens that are not the field, headless, with the built
// game's pictures and fonts: the field menu waiting for the player, a page
// of the message window typing itself, and a battle scene playing. Each
// reports the time per presented frame (the virtual clock does not wait).
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>
#include <vector>

#include "BenchGame.h"
#include "game/battle/Battle.h"
#include "game/core/Game.h"
#include "game/party/FieldMenu.h"
#include "game/view/FieldView.h"
#include "game/view/MessageWindow.h"
#include "platform/HeadlessPlatform.h"

namespace {

using namespace zanbora;

struct ScreenBench : BenchGame {
    ScreenBench() {
        platform.quitAfterMs = INT64_MAX;  // the virtual clock runs on for as long as the benchmark
        Game& g = *game;
        g.player.Job = "勇者マメ";
        g.player.HeroX = 53.5;
        g.player.HeroY = 480.5;
        g.player.Level = 12;
        g.player.Hp = g.player.MaxHp = 120;
        DrawField(g);
        DrawHero(g);
    }
    // Runs one screen and adds its presented frames to the count.
    template <typename Screen>
    void run(Screen screen, int64_t& frames) {
        const int before = platform.frameCount();
        screen(*game);
        frames += platform.frameCount() - before;
    }
};

void ReportPerFrame(benchmark::State& state, int64_t frames) {
    state.counters["per_frame"] = benchmark::Counter(double(frames), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

// The field menu open for thirty frames, then closed (as the cancel key
// closes it).
void BM_FieldMenuFrame(benchmark::State& state) {
    ScreenBench bench;
    int shown = 0;
    bench.platform.autopilot = [&](HeadlessPlatform&) {
        if (++shown % 30 == 0) bench.game->keys.KeyAct = true;
    };
    int64_t frames = 0;
    for (auto _ : state) {
        bench.game->field.Cursor = 0;
        bench.run(MenuN, frames);
    }
    ReportPerFrame(state, frames);
}
BENCHMARK(BM_FieldMenuFrame)->Unit(benchmark::kMillisecond);

// Three full lines typed into the message window over the field.
void BM_MessagePageFrame(benchmark::State& state) {
    ScreenBench bench;
    const std::vector<std::string> page = {"マメ村の東に　まっすぐ進むと　大きな湖が", "見えてくるはずじゃ。湖のほとりには",
                                           "小さな町がある。そこで　休むとよい。"};
    int64_t frames = 0;
    for (auto _ : state) {
        bench.run([&](Game& g) {
            DrawHero(g);
            TypePage(g, page);
        }, frames);
    }
    ReportPerFrame(state, frames);
}
BENCHMARK(BM_MessagePageFrame)->Unit(benchmark::kMillisecond);

// The hero's sword scene against an opponent, every frame of it.
void BM_BattleSceneFrame(benchmark::State& state) {
    ScreenBench bench;
    Game& g = *bench.game;
    g.monster.Picture = "mons02";
    int64_t frames = 0;
    for (auto _ : state) {
        g.battle.BattleMsg = "ATACK";
        bench.run(PlayBattleScene, frames);
    }
    ReportPerFrame(state, frames);
}
BENCHMARK(BM_BattleSceneFrame)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
