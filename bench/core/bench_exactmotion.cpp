// SPDX-License-Identifier: GPL-3.0-or-later
// What the exact motion costs a tick: the state of a body at a given time, from ω alone
// and with the orientation, in each regime; and the set-up once per body.

#include "exactmotion.h"

#include <benchmark/benchmark.h>

namespace {

struct Body {
    vorlix::Vector3 moments, omega;
};

// range(0) picks the body: the flip preset (D just above the middle moment), a body
// tumbling about its smallest axis, the separatrix, a symmetric top.
Body body(int which)
{
    const Body bodies[] = { { { 1, 2, 3 }, { 0.05, 4, 0.05 } }, { { 1, 2, 3 }, { 4, 0.5, 0.3 } },
        { { 2, 3, 6 }, { 3, 0, 1 } }, { { 2, 2, 1 }, { 1, 0, 3 } } };
    return bodies[which];
}

constexpr double timePerTick = 0.004;

void BM_StateAtTime(benchmark::State &state)
{
    const Body b = body(int(state.range(0)));
    const vorlix::ExactMotion motion(b.moments, b.omega, vorlix::rotation(35, 1, 2, 3));
    double t = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(motion.at(t));
        t += timePerTick;
    }
    state.counters["states/s"]
        = benchmark::Counter(1, benchmark::Counter::kIsIterationInvariantRate);
}

void BM_OmegaAtTime(benchmark::State &state)
{
    const Body b = body(int(state.range(0)));
    const vorlix::ExactMotion motion(b.moments, b.omega, vorlix::identityMatrix());
    double t = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(motion.omegaAt(t));
        t += timePerTick;
    }
    state.counters["states/s"]
        = benchmark::Counter(1, benchmark::Counter::kIsIterationInvariantRate);
}

void BM_SetUp(benchmark::State &state)
{
    const Body b = body(int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(vorlix::ExactMotion(b.moments, b.omega, vorlix::identityMatrix()));
}

} // namespace

BENCHMARK(BM_StateAtTime)->DenseRange(0, 3);
BENCHMARK(BM_OmegaAtTime)->DenseRange(0, 3);
BENCHMARK(BM_SetUp)->DenseRange(0, 3);

BENCHMARK_MAIN();
