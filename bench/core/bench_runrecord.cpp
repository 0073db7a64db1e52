// SPDX-License-Identifier: GPL-3.0-or-later
// What recording the run costs the simulation each tick, next to the tick itself: an
// append averaged over fillings and thinnings, the one append that thins a full record,
// and a tick of the flip preset as the view runs it.

#include "accuratestepper.h"
#include "integrator.h"
#include "runrecord.h"

#include <benchmark/benchmark.h>

namespace {

vorlix::RigidBodyState flipPreset()
{
    vorlix::RigidBodyState body;
    body.moments = { 1, 2, 3 };
    body.coefficients = vorlix::eulerCoefficients(1, 2, 3);
    body.omega = { 0.05, 4, 0.05 };
    return body;
}

/// range(0): the record's capacity. Every append, thinnings included, on a real motion.
void BM_Append(benchmark::State &state)
{
    vorlix::RunRecord record(std::size_t(state.range(0)));
    vorlix::RigidBodyState body = flipPreset();
    vorlix::integrateFrame(body, 0.004, 50);
    double time = 0;
    for (auto _ : state) {
        record.append(time, body.omega, body.orientation);
        time += 0.004;
    }
    benchmark::DoNotOptimize(record[record.size() - 1]);
    state.counters["kept"] = double(record.size());
}
BENCHMARK(BM_Append)->Arg(10000)->Iterations(4000000);
BENCHMARK(BM_Append)->Arg(vorlix::RunRecord::defaultCapacity)->Iterations(4000000);

/// The single append that finds the record full and thins it: the longest tick it makes.
void BM_AppendThatThins(benchmark::State &state)
{
    vorlix::RunRecord record(std::size_t(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        record.clear();
        for (std::size_t i = 0; i < record.capacity(); ++i)
            record.append(double(i), {}, vorlix::identityMatrix());
        state.ResumeTiming();
        record.append(-1, {}, vorlix::identityMatrix());
    }
}
BENCHMARK(BM_AppendThatThins)
    ->Arg(vorlix::RunRecord::defaultCapacity)
    ->Unit(benchmark::kMillisecond);

/// range(0): 0 explicit Euler, 1 accurate; 50 sub-steps of the flip preset, as it ships.
void BM_Tick(benchmark::State &state)
{
    const vorlix::Stepper &stepper = state.range(0) ? vorlix::accurate() : vorlix::explicitEuler();
    vorlix::RigidBodyState body = flipPreset();
    for (auto _ : state) {
        vorlix::integrateFrame(body, 0.004, 50, stepper);
        benchmark::DoNotOptimize(body.omega);
    }
}
BENCHMARK(BM_Tick)->Arg(0)->Arg(1);

} // namespace

BENCHMARK_MAIN();
