// Speed of the lake model: one day step, and one whole game from 1 June to 31 July.

#include <benchmark/benchmark.h>

#include "Lake.h"

using namespace tarnova;

namespace {

// A day in the middle of June with pumping and aeration, so every branch of the step does work.
void BM_DayStep(benchmark::State& state) {
    SilentHost host;
    GameState start;
    NewGame(start, host);
    ApplyDecisions(start, {2000, 3000, 4, 2, 10});
    StartCycle(start);
    start.DayNo = 15;
    start.Decade = 1;
    GameState g = start;
    for (auto _ : state) {
        g = start;
        benchmark::DoNotOptimize(DayStep(g, host));
        benchmark::DoNotOptimize(g);
    }
}
BENCHMARK(BM_DayStep);

// A whole game of 60 days: the largest measures, money exhausted on day 33, then no control.
void BM_WholeGame(benchmark::State& state) {
    SilentHost host;
    for (auto _ : state) {
        GameState g;
        NewGame(g, host);
        ApplyDecisions(g, {5000, 5000, 10, 10, 10});
        int days = 0;
        for (bool over = false; !over;) {
            StartCycle(g);
            for (;;) {
                const DayOutcome o = DayStep(g, host);
                ++days;
                if (o.gameOver) over = true;
                if (o.gameOver || o.cycleEnded) break;
            }
        }
        benchmark::DoNotOptimize(g);
        if (days != 60) {
            state.SkipWithError("the game did not last 60 days");
            break;
        }
    }
}
BENCHMARK(BM_WholeGame);

}  // namespace

BENCHMARK_MAIN();
