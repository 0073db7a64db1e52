// SPDX-License-Identifier: GPL-3.0-or-later
// What thinning a trace to a pixel costs: marking the cube map of the sphere with a point
// of the nutating preset's X axis (what each tick adds while the view turns, and what a
// rebuild after a resize costs per point), and thinning a Poinsot path to a pixel.

#include "rigidbody.h"
#include "sphereraster.h"
#include "tracethinning.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

/// The tip of the X axis, tick by tick, for Ix = 2, Iy = 2.2, Iz = 1, ω = (1, 0.3, 3).
const std::vector<double> &nutatingTrace()
{
    static const std::vector<double> trace = [] {
        vorlix::RigidBodyState body;
        body.moments = { 2, 2.2, 1 };
        body.coefficients = vorlix::eulerCoefficients(2, 2.2, 1);
        body.omega = { 1, 0.3, 3 };
        std::vector<double> points;
        for (int p = 0; p < 200000; ++p) {
            vorlix::integrateFrame(body, 0.005, 30);
            points.insert(
                points.end(), { -body.orientation[0], -body.orientation[1], -body.orientation[2] });
        }
        return points;
    }();
    return trace;
}

/// range(0): the cube map's side (the viewport's in pixels). Per point of the trace.
void BM_MarkSegment(benchmark::State &state)
{
    const std::vector<double> &trace = nutatingTrace();
    const std::size_t points = trace.size() / 3;
    vorlix::SphereRaster raster(int(state.range(0)));
    std::size_t p = 1;
    for (auto _ : state) {
        raster.markSegment(&trace[3 * (p - 1)], &trace[3 * p], 1);
        p = p + 1 < points ? p + 1 : 1;
    }
    benchmark::DoNotOptimize(raster.face(0));
}
BENCHMARK(BM_MarkSegment)->Arg(600)->Arg(1200);

/// The whole trace thinned at a pixel of a 600-pixel view, per point.
void BM_ThinPolyline(benchmark::State &state)
{
    const std::vector<double> &trace = nutatingTrace();
    const int points = int(state.range(0));
    for (auto _ : state) {
        vorlix::ThinnedPolyline thinned(2.0 / 600);
        thinned.extend(trace.data(), points);
        benchmark::DoNotOptimize(thinned.segmentPoints().data());
    }
    state.SetItemsProcessed(state.iterations() * points);
}
BENCHMARK(BM_ThinPolyline)->Arg(20000);

} // namespace

BENCHMARK_MAIN();
