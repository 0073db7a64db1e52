// SPDX-License-Identifier: GPL-3.0-or-later
// Cost of Poinsot's overlays: one repaint of the main window's view at its default size
// with all four off and all four on, the paths empty, a few seconds long and full. Off and
// on alternate, so that a busy machine slows both alike. Run from the data directory:
//   cd data && xvfb-run -a env LIBGL_ALWAYS_SOFTWARE=1 ../build/bench/bench_overlays

#include "benchsupport.h"
#include "glwidget.h"
#include "mainwindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QThread>
#include <QWindow>
#include <QtMath>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

double medianRepaintMs(GLWidget &view, int frames)
{
    std::vector<double> ms;
    for (int i = 0; i < frames; ++i) {
        QElapsedTimer clock;
        clock.start();
        view.updateGL();
        glFinish();
        ms.push_back(clock.nsecsElapsed() / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    return ms[ms.size() / 2];
}

// A closed loop wound round again and again, as a long run retraces its polhode.
std::vector<vorlix::Vector3> loop(std::size_t points, double radius, double height)
{
    std::vector<vorlix::Vector3> path(points);
    for (std::size_t p = 0; p < points; ++p) {
        const double angle = 2 * M_PI * double(p % 1000) / 1000;
        path[p] = { radius * qCos(angle), radius * qSin(angle), height };
    }
    return path;
}

void showOverlays(GLWidget &view, bool on)
{
    view.showAngularMomentum = view.showAngularVelocity = on;
    view.showPolhode = view.showInvariablePlane = on;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    MainWindow window;
    window.show();
    if (!waitUntilExposed(window, 10000)) {
        std::fprintf(stderr, "the window was never shown\n");
        return 1;
    }
    GLWidget &view = *window.glWidget;
    std::printf("view %dx%d, the first preset, ellipsoid %s\n", view.width(), view.height(),
        view.showEllipsoid ? "on" : "off");

    // 1250 points: five seconds of ticks every 4 ms.
    for (std::size_t points :
        { std::size_t(0), std::size_t(1250), GLWidget::poinsotPathCapacity }) {
        std::vector<double> off, on;
        for (int round = 0; round < 7; ++round) {
            showOverlays(view, false);
            off.push_back(medianRepaintMs(view, 30));
            showOverlays(view, true);
            // The first frame adds the current point; the rest add none, the body being still.
            view.polhode = loop(points, 0.4, 0.3);
            view.herpolhode = loop(points, 0.5, 0.45);
            on.push_back(medianRepaintMs(view, 30));
        }
        std::sort(off.begin(), off.end());
        std::sort(on.begin(), on.end());
        const double a = off[off.size() / 2], b = on[on.size() / 2];
        std::printf(
            "paths of %6zu points: off %7.3f ms, on %7.3f ms per frame (median): %+.1f %%\n",
            points, a, b, 100 * (b - a) / a);
    }
    return 0;
}
