// SPDX-License-Identifier: GPL-3.0-or-later
// Cost of one repaint of the view as the axis traces grow, with the view still (as while
// the body turns on its own) and with the view turned on every frame (as while dragging).
// The traces are recorded from the "Nutating near-symmetric body" preset, so that they spread
// over bands of the sphere as long-running traces do rather than retrace one curve.
// Run from the data directory on a display, e.g.
//   cd data && xvfb-run -a env LIBGL_ALWAYS_SOFTWARE=1 ../build/bench/bench_repaint

#include "benchsupport.h"
#include "glwidget.h"
#include "rigidbody.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QThread>
#include <QWindow>

#include <algorithm>
#include <array>
#include <cstdio>
#include <vector>

namespace {

/// The tips of the three body axes, tick by tick, as the view records them (the negative
/// end of each axis) for the preset Ix = 2, Iy = 2.2, Iz = 1, ω = (1, 0.3, 3), 30 sub-steps
/// a tick of 5 ms.
std::array<std::vector<double>, 3> nutatingTraces(int points)
{
    vorlix::RigidBodyState body;
    body.moments = { 2, 2.2, 1 };
    body.coefficients = vorlix::eulerCoefficients(2, 2.2, 1);
    body.omega = { 1, 0.3, 3 };
    std::array<std::vector<double>, 3> traces;
    for (std::vector<double> &trace : traces)
        trace.reserve(3 * std::size_t(points));
    for (int p = 0; p < points; ++p) {
        vorlix::integrateFrame(body, 0.005, 30);
        for (int axis = 0; axis < 3; ++axis) {
            for (int i = 0; i < 3; ++i)
                traces[axis].push_back(-body.orientation[axis * 4 + i]);
        }
    }
    return traces;
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

    const std::array<std::vector<double>, 3> traces = nutatingTraces(1000000);
    std::printf("view %dx%d, three traces of equal length\n", view.width(), view.height());
    for (int points : { 0, 10000, 100000, 1000000 }) {
        // Fresh buffers: the points the previous round's frames added are gone, as after
        // a clear.
        view.freeMemoryOfDrawLines();
        for (int axis = 0; axis < 3; ++axis) {
            double *buffer = axis == 0 ? view.xLines : axis == 1 ? view.yLines : view.zLines;
            std::copy_n(traces[axis].data(), 3 * points, buffer);
        }
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
