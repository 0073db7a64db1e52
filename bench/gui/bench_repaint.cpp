// SPDX-License-Identifier: GPL-3.0-or-later
// Cost of one repaint of the view as the axis traces grow, with the view still (as while
// the body turns on its own) and with the view turned on every frame (as while dragging).
// Run from the data directory on a display, e.g.
//   cd data && xvfb-run -a env LIBGL_ALWAYS_SOFTWARE=1 ../build/bench/bench_repaint

#include "benchsupport.h"
#include "glwidget.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QThread>
#include <QWindow>
#include <QtMath>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// A tilted circle on the unit sphere, wound round again and again: every segment is
// visible, as in a long-running trace.
void fillTrace(double *buffer, int points)
{
    for (int p = 0; p < points; ++p) {
        const double angle = 2 * M_PI * (p % 3600) / 3600;
        buffer[3 * p] = 0.8 * qCos(angle);
        buffer[3 * p + 1] = 0.8 * qSin(angle);
        buffer[3 * p + 2] = 0.6;
    }
}

/// Median milliseconds per repaint; turning: the view turns by a small angle before each.
double timeRepaints(GLWidget &view, int frames, bool turning)
{
    std::vector<double> ms;
    for (int i = 0; i < frames; ++i) {
        QElapsedTimer clock;
        clock.start();
        view.viewTurnY = turning ? 0.5 : 0;
        view.updateGL();
        view.viewTurnY = 0;
        // updateGL only queues the work with the driver; wait until it is done.
        glFinish();
        ms.push_back(clock.nsecsElapsed() / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    return ms[ms.size() / 2];
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);

    GLWidget view("cylinder.obj", "");
    view.resize(600, 600);
    view.show();
    if (!waitUntilExposed(view, 10000)) {
        std::fprintf(stderr, "the view was never shown\n");
        return 1;
    }
    view.drawLines = view.drawXLines = view.drawYLines = view.drawZLines = true;

    std::printf("view %dx%d, three traces of equal length\n", view.width(), view.height());
    for (int points : { 0, 10000, 100000, 1000000 }) {
        // Fresh buffers: the points the previous round's frames added are gone, as after
        // a clear.
        view.freeMemoryOfDrawLines();
        fillTrace(view.xLines, points);
        fillTrace(view.yLines, points);
        fillTrace(view.zLines, points);
        // Each timed frame adds one point per axis, nothing next to these lengths.
        view.xLinesIndex = view.yLinesIndex = view.zLinesIndex = 3 * points + 2;
        const int frames = points >= 1000000 ? 15 : 40;
        timeRepaints(view, 3, false);
        const double still = timeRepaints(view, frames, false);
        timeRepaints(view, 3, true);
        const double turning = timeRepaints(view, frames, true);
        std::printf("%d points per axis: still %.3f ms, turning %.3f ms\n", points, still, turning);
    }
    return 0;
}
