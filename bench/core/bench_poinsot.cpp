// SPDX-License-Identifier: GPL-3.0-or-later
// What Poinsot's paths cost the simulation each tick: the construction and the recording
// of the polhode and the herpolhode along a minute of the intermediate-axis flip, thinned
// as the view records them and, for comparison, with every tick kept.

#include "contactpath.h"
#include "poinsot.h"
#include "rigidbody.h"

#include <benchmark/benchmark.h>
#include <vector>

namespace {

constexpr int ticks = 15000; // a minute at the view's 4 ms tick
constexpr double timePerTick = 0.004;
constexpr std::size_t capacity = 20000; // as the view's paths

/// The flip preset's state after each tick, integrated as the view does it.
const std::vector<vorlix::RigidBodyState> &flip()
{
    static const std::vector<vorlix::RigidBodyState> states = [] {
        vorlix::RigidBodyState body;
        body.moments = { 1, 2, 3 };
        body.coefficients = vorlix::eulerCoefficients(1, 2, 3);
        body.omega = { 0.05, 4, 0.05 };
        std::vector<vorlix::RigidBodyState> all;
        for (int t = 0; t < ticks; ++t) {
            vorlix::integrateFrame(body, timePerTick, 50);
            all.push_back(body);
        }
        return all;
    }();
    return states;
}

/// range(0): the tolerance in millionths of the ellipsoid's scale (the view uses 1000).
void BM_RecordPathsOverAMinuteOfFlip(benchmark::State &state)
{
    const double tolerance = state.range(0) * 1e-6;
    std::size_t polhodePoints = 0, herpolhodePoints = 0;
    for (auto _ : state) {
        std::vector<vorlix::Vector3> polhode, herpolhode;
        for (const vorlix::RigidBodyState &s : flip()) {
            const vorlix::PoinsotConstruction c
                = vorlix::poinsotConstruction(s.moments, s.omega, s.orientation);
            vorlix::appendContactPoint(polhode, c.bodyContact, tolerance, capacity);
            vorlix::appendContactPoint(herpolhode, c.worldContact, tolerance, capacity);
        }
        polhodePoints = polhode.size();
        herpolhodePoints = herpolhode.size();
        benchmark::DoNotOptimize(polhode.data());
        benchmark::DoNotOptimize(herpolhode.data());
    }
    state.counters["polhode_points"] = double(polhodePoints);
    state.counters["herpolhode_points"] = double(herpolhodePoints);
    state.counters["ticks/s"]
        = benchmark::Counter(double(ticks), benchmark::Counter::kIsIterationInvariantRate);
}

} // namespace

BENCHMARK(BM_RecordPathsOverAMinuteOfFlip)->Arg(1000)->Arg(0)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
