// SPDX-License-Identifier: GPL-3.0-or-later
// What the exact motion costs a tick: the state of a body at a given time, from ω alone
// and with the orientation, in each regime; the set-up once per body; and, for comparison,
// a tick of the accurate stepper.

#include "accuratestepper.h"
#include "exactmotion.h"
#include "rigidbody.h"

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

// From the start, and an hour into the motion, where the elliptic argument is reduced, not
// advanced.
void BM_StateAtTime(benchmark::State &state, double start)
{
    const Body b = body(int(state.range(0)));
    const vorlix::ExactMotion motion(b.moments, b.omega, vorlix::rotation(35, 1, 2, 3));
    double t = start;
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

// The flip preset's tick as the stepper takes it, at the preset's 50 sub-steps.
void BM_AccurateStepperTick(benchmark::State &state)
{
    const Body b = body(0);
    vorlix::RigidBodyState s { b.moments, {}, b.omega, {}, vorlix::identityMatrix() };
    for (auto _ : state) {
        vorlix::integrateFrame(s, timePerTick, 50, vorlix::accurate());
        benchmark::DoNotOptimize(s.orientation);
    }
    state.counters["states/s"]
        = benchmark::Counter(1, benchmark::Counter::kIsIterationInvariantRate);
}

} // namespace

BENCHMARK_CAPTURE(BM_StateAtTime, fromStart, 0.0)->DenseRange(0, 3);
BENCHMARK_CAPTURE(BM_StateAtTime, anHourOn, 3600.0)->DenseRange(0, 1);
BENCHMARK(BM_OmegaAtTime)->DenseRange(0, 3);
BENCHMARK(BM_SetUp)->DenseRange(0, 3);
BENCHMARK(BM_AccurateStepperTick);

BENCHMARK_MAIN();
