// SPDX-License-Identifier: GPL-3.0-or-later
// What the map of all motions costs each time the moments change: the whole family of
// polhodes for the flip preset and for a body within a per cent of a symmetric top.

#include "polhodefamily.h"

#include <benchmark/benchmark.h>

namespace {

/// range(0): the levels on each side of the separatrix (the view's default is 6).
void BM_PolhodeFamily(benchmark::State &state, const vorlix::Vector3 &moments)
{
    std::size_t points = 0;
    for (auto _ : state) {
        const std::vector<vorlix::PolhodeCurve> family
            = vorlix::polhodeFamily(moments, int(state.range(0)));
        points = 0;
        for (const vorlix::PolhodeCurve &curve : family)
            points += curve.points.size();
        benchmark::DoNotOptimize(family.data());
    }
    state.counters["points"] = double(points);
    state.counters["points/s"]
        = benchmark::Counter(double(points), benchmark::Counter::kIsIterationInvariantRate);
}

} // namespace

BENCHMARK_CAPTURE(BM_PolhodeFamily, flip, vorlix::Vector3 { 1, 2, 3 })
    ->Arg(6)
    ->Arg(20)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_PolhodeFamily, nearly_symmetric, vorlix::Vector3 { 1, 2, 2.02 })
    ->Arg(6)
    ->Arg(20)
    ->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
