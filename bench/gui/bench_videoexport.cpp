// SPDX-License-Identifier: GPL-3.0-or-later
// Frames per second of the film export at 512 × 512 for each format, on the flip preset
// with the ellipsoid and no traces: drawing off screen, reading back and encoding. Run it
// from data/ on a display:
//   cd data && LIBGL_ALWAYS_SOFTWARE=1 xvfb-run -a ../build/bench/bench_videoexport

#include "benchsupport.h"
#include "filmexport.h"
#include "glwidget.h"
#include "mainwindow.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <cstdio>

int main(int argc, char *argv[])
{
    TemporaryHome home;
    QApplication app(argc, argv);
    MainWindow window;
    if (!showAndWait(window))
        return 1;
    window.choosePreset("Intermediate axis flip");
    window.findChild<QCheckBox *>("Ell")->setChecked(true);
    window.findChild<QCheckBox *>("Draw")->setChecked(false);

    std::printf("film export at 512 x 512, 90 frames (3 s at 30 fps)\n");
    for (const char *suffix : { "mp4", "webm", "gif" }) {
        FilmRequest request;
        request.fileName = home.filePath(QStringLiteral("bench.") + suffix);
        request.seconds = 3;
        request.framesPerSecond = 30;
        request.side = 512;
        QString problem;
        QElapsedTimer clock;
        clock.start();
        const FilmExport::Outcome outcome
            = FilmExport::write(*window.glWidget, request, nullptr, &problem);
        const double seconds = clock.nsecsElapsed() * 1e-9;
        if (outcome != FilmExport::Outcome::Written)
            std::printf("%-5s failed: %s\n", suffix, qPrintable(problem));
        else
            std::printf("%-5s %6.1f frames/s\n", suffix, request.frameCount() / seconds);
    }
    return 0;
}
