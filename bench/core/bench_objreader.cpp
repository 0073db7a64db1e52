// Reading a 1,000,000-triangle OBJ mesh: time, throughput, and the memory it takes.

#include "objreader.h"

#include <QByteArray>
#include <benchmark/benchmark.h>
#include <cmath>
#include <cstdio>
#include <sys/resource.h>

namespace {

constexpr int columns = 1000;
constexpr int rows = 500;

/// A wavy sheet of columns × rows quads, two triangles each, written the way mesh
/// exporters write: six decimals per coordinate, one line per vertex and face.
QByteArray sheetObj()
{
    QByteArray text = "# wavy sheet\n";
    char line[96];
    for (int r = 0; r <= rows; ++r)
        for (int c = 0; c <= columns; ++c) {
            const double x = -1 + 2.0 * c / columns;
            const double y = -1 + 2.0 * r / rows;
            const int n = std::snprintf(line, sizeof line, "v %.6f %.6f %.6f\n", x, y,
                0.1 * std::sin(7 * x) * std::cos(5 * y));
            text.append(line, n);
        }
    const auto index = [](int r, int c) { return r * (columns + 1) + c + 1; };
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c) {
            const int n = std::snprintf(line, sizeof line, "f %d %d %d\nf %d %d %d\n", index(r, c),
                index(r, c + 1), index(r + 1, c + 1), index(r, c), index(r + 1, c + 1),
                index(r + 1, c));
            text.append(line, n);
        }
    return text;
}

const QByteArray &sheet()
{
    static const QByteArray text = sheetObj();
    return text;
}

long peakResidentKiB()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

/// How much the process's peak resident size grew through the first parse of the sheet:
/// the reader's working memory on top of the text. Later parses reuse freed pages.
long firstParsePeakGrowthKiB()
{
    static const long growth = [] {
        const QByteArray &text = sheet();
        const long before = peakResidentKiB();
        const vorlix::ObjMesh mesh = vorlix::readObj(text, '.');
        benchmark::DoNotOptimize(mesh.normals.data());
        return peakResidentKiB() - before;
    }();
    return growth;
}

std::size_t resultBytes(const vorlix::ObjMesh &mesh)
{
    return mesh.vertices.capacity() * sizeof(float) + mesh.faces.capacity() * sizeof(int)
        + mesh.normals.capacity() * sizeof(float);
}

// The separator is the numeric locale's: "." reads the text in place, "," through a copy
// of each vertex line.
void readMillionTriangles(benchmark::State &state, char separator)
{
    const QByteArray &text = sheet();

    const long peakGrowth = firstParsePeakGrowthKiB();
    int triangles = 0;
    std::size_t bytes = 0;
    {
        const vorlix::ObjMesh mesh = vorlix::readObj(text, separator);
        triangles = mesh.triangleCount();
        bytes = resultBytes(mesh);
    }

    for (auto _ : state) {
        vorlix::ObjMesh mesh = vorlix::readObj(text, separator);
        benchmark::DoNotOptimize(mesh.normals.data());
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * text.size());
    state.counters["triangles"] = triangles;
    state.counters["file_MiB"] = double(text.size()) / (1 << 20);
    state.counters["result_MiB"] = double(bytes) / (1 << 20);
    state.counters["peak_growth_MiB"] = double(peakGrowth) / 1024;
}

} // namespace

BENCHMARK_CAPTURE(readMillionTriangles, point_locale, '.')->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(readMillionTriangles, comma_locale, ',')->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
