// Export of three full-length axis traces as OBJ text: time, and the size of the file.

#include "traceexport.h"

#include <QIODevice>
#include <QSaveFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cmath>
#include <vector>

namespace {

constexpr int pointsPerTrace = 1000000;

/// Unit vectors along a slowly precessing path, like a recorded axis trace.
std::vector<double> tracePoints(double phase)
{
    std::vector<double> points;
    points.reserve(3 * std::size_t(pointsPerTrace));
    for (int p = 0; p < pointsPerTrace; ++p) {
        const double around = phase + 0.002 * p;
        const double tilt = 0.3 + 0.2 * std::sin(0.0001 * p);
        points.push_back(std::sin(tilt) * std::cos(around));
        points.push_back(std::sin(tilt) * std::sin(around));
        points.push_back(-std::cos(tilt));
    }
    return points;
}

/// Swallows the text and counts it: the writer's own cost, without the disk.
class CountingSink : public QIODevice {
public:
    CountingSink() { open(QIODevice::WriteOnly); }
    qint64 bytes = 0;

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *, qint64 length) override
    {
        bytes += length;
        return length;
    }
};

struct ThreeTraces {
    std::vector<double> x = tracePoints(0), y = tracePoints(2), z = tracePoints(4);
    vorlix::RecordedTrace trace(const std::vector<double> &points) const
    {
        return { points.data(), pointsPerTrace, true };
    }
};

const ThreeTraces &traces()
{
    static const ThreeTraces data;
    return data;
}

void setCounters(benchmark::State &state, qint64 bytes)
{
    state.counters["file_MB"] = double(bytes) / 1e6;
    state.counters["points/s"]
        = benchmark::Counter(3.0 * pointsPerTrace, benchmark::Counter::kIsIterationInvariantRate);
}

void BM_ExportThreeTracesToMemory(benchmark::State &state)
{
    const ThreeTraces &t = traces();
    qint64 bytes = 0;
    for (auto _ : state) {
        CountingSink sink;
        vorlix::writeTracesAsObj(&sink, t.trace(t.x), t.trace(t.y), t.trace(t.z));
        bytes = sink.bytes;
    }
    setCounters(state, bytes);
}

void BM_ExportThreeTracesToFile(benchmark::State &state)
{
    const ThreeTraces &t = traces();
    QTemporaryDir dir;
    const QString fileName = dir.filePath("traces.obj");
    qint64 bytes = 0;
    for (auto _ : state) {
        QSaveFile file(fileName);
        file.open(QIODevice::WriteOnly);
        vorlix::writeTracesAsObj(&file, t.trace(t.x), t.trace(t.y), t.trace(t.z));
        bytes = file.size();
        if (!file.commit())
            state.SkipWithError("the file could not be written");
    }
    setCounters(state, bytes);
}

} // namespace

BENCHMARK(BM_ExportThreeTracesToMemory)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ExportThreeTracesToFile)->Unit(benchmark::kMillisecond)->Iterations(3);

BENCHMARK_MAIN();
