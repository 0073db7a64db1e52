// SPDX-License-Identifier: GPL-3.0-or-later
// Films of 512 × 512 frames like the view's, per format: encoding speed in frames per
// second (the frames/s counter; conversion from QImage and, for GIF, both palette passes
// included) and the size of one second of film.

#include "syntheticframe.h"
#include "videoencoder.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <QVector>
#include <benchmark/benchmark.h>

namespace {

constexpr int side = 512;
constexpr int fps = 30;
constexpr int frameCount = 2 * fps;

void encodeFilm(benchmark::State &state, const char *suffix)
{
    QVector<QImage> frames;
    for (int index = 0; index < frameCount; ++index)
        frames << syntheticFrame(side, 2 * index);
    QTemporaryDir folder;
    const QString target = folder.filePath(QStringLiteral("film") + QLatin1String(suffix));
    for (auto _ : state) {
        vorlix::VideoEncoder encoder;
        QString error;
        bool written = encoder.open(target, side, fps, &error);
        for (const QImage &frame : frames)
            written = written && encoder.addFrame(frame, &error);
        if (!written || !encoder.finish(&error)) {
            state.SkipWithError(qPrintable(error));
            break;
        }
    }
    state.counters["frames/s"]
        = benchmark::Counter(double(state.iterations() * frameCount), benchmark::Counter::kIsRate);
    state.counters["bytes/s of film"] = double(QFileInfo(target).size()) * fps / frameCount;
}

} // namespace

BENCHMARK_CAPTURE(encodeFilm, mp4, ".mp4")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(encodeFilm, webm, ".webm")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(encodeFilm, gif, ".gif")->Unit(benchmark::kMillisecond)->UseRealTime();

BENCHMARK_MAIN();
