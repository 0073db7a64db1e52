// SPDX-License-Identifier: GPL-3.0-or-later
// Mass properties and principal frame of a 1,000,000-triangle mesh: time and triangles per
// second, for a closed solid and for an open shell.

#include "massproperties.h"

#include <benchmark/benchmark.h>
#include <cmath>
#include <vector>

namespace {

constexpr int around = 1000;
constexpr int across = 500;

/// A torus of around × across quads, two triangles each; without the last band of quads
/// it is an open tube, weighed as a shell.
vorlix::ObjMesh torus(bool closed)
{
    vorlix::ObjMesh mesh;
    for (int i = 0; i < around; ++i)
        for (int j = 0; j < across; ++j) {
            const double u = 2 * M_PI * i / around, v = 2 * M_PI * j / across;
            const double r = 1 + 0.3 * std::cos(v);
            mesh.vertices.insert(mesh.vertices.end(),
                { float(r * std::cos(u)), float(0.3 * std::sin(v)), float(r * std::sin(u)) });
        }
    const auto index = [](int i, int j) { return (i % around) * across + j % across; };
    for (int i = 0; i < (closed ? around : around - 1); ++i)
        for (int j = 0; j < across; ++j)
            mesh.faces.insert(mesh.faces.end(),
                { index(i, j), index(i, j + 1), index(i + 1, j + 1), index(i, j),
                    index(i + 1, j + 1), index(i + 1, j) });
    return mesh;
}

void weighMillionTriangles(benchmark::State &state, bool closed)
{
    const vorlix::ObjMesh mesh = torus(closed);
    const vorlix::MassProperties check = vorlix::massProperties(mesh);
    if (check.model != (closed ? vorlix::MassModel::Solid : vorlix::MassModel::Shell))
        state.SkipWithError("the torus is not weighed as the body it was built as");
    for (auto _ : state) {
        const vorlix::PrincipalFrame frame = vorlix::principalFrame(vorlix::massProperties(mesh));
        benchmark::DoNotOptimize(frame.moments);
    }
    state.counters["triangles"] = mesh.triangleCount();
    state.counters["triangles_per_s"] = benchmark::Counter(
        double(mesh.triangleCount()), benchmark::Counter::kIsIterationInvariantRate);
}

} // namespace

BENCHMARK_CAPTURE(weighMillionTriangles, closed_solid, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(weighMillionTriangles, open_shell, false)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
