// SPDX-License-Identifier: GPL-3.0-or-later
// Cost of Poinsot's overlays: one repaint of the main window's view at its default size
// with all four off and all four on, on the first preset (the flip), with the paths empty,
// after a few seconds of the motion and full (both wound round one loop, then with a
// herpolhode that spreads over a ring as one that never closes does, then as recorded from
// the flip until both are full), and for the last, each part on its own. Off and on
// alternate frame by frame, so that a busy machine slows both alike. Run from data/:
//   cd data && xvfb-run -a env LIBGL_ALWAYS_SOFTWARE=1 ../build/bench/bench_overlays

#include "benchsupport.h"
#include "glwidget.h"
#include "mainwindow.h"
#include "poinsot.h"

#include <QApplication>
#include <QtMath>

#include <QElapsedTimer>

#include <algorithm>
#include <array>
#include <cstdio>
#include <utility>
#include <vector>

namespace {

/// The overlays a measurement turns on and off.
struct Parts {
    bool momentum = true, velocity = true, polhode = true, plane = true;
};

void showOverlays(GLWidget &view, bool on, const Parts &parts = {})
{
    view.overlays.angularMomentum = on && parts.momentum;
    view.overlays.angularVelocity = on && parts.velocity;
    view.overlays.polhode = on && parts.polhode;
    view.overlays.invariablePlane = on && parts.plane;
}

/// Median repaint times with the overlays off and on, and the median of their paired
/// differences, in milliseconds.
std::array<double, 3> repaintMs(GLWidget &view, int pairs, const Parts &parts = {})
{
    std::vector<double> ms[2], difference;
    for (int pair = 0; pair < pairs; ++pair) {
        for (bool on : { false, true }) {
            showOverlays(view, on, parts);
            QElapsedTimer clock;
            clock.start();
            view.updateGL();
            glFinish();
            ms[on].push_back(clock.nsecsElapsed() / 1e6);
        }
        difference.push_back(ms[1].back() - ms[0].back());
    }
    return { median(ms[0]), median(ms[1]), median(difference) };
}

/// Ticks as the timer does, each drawn, with the overlays recording.
void run(GLWidget &view, double seconds)
{
    showOverlays(view, true);
    for (int tick = 0; tick * GLWidget::tickIntervalMs < seconds * 1000; ++tick)
        QMetaObject::invokeMethod(&view, "rotate");
}

// A closed loop wound round again and again.
std::vector<vorlix::Vector3> loop(std::size_t points, double radius, double height)
{
    std::vector<vorlix::Vector3> path(points);
    for (std::size_t p = 0; p < points; ++p) {
        const double angle = 2 * M_PI * double(p % 400) / 400;
        path[p] = { radius * qCos(angle), radius * qSin(angle), height };
    }
    return path;
}

// A herpolhode that never closes: a rosette between two circles, each lap turned on.
std::vector<vorlix::Vector3> rosette(std::size_t points, double inner, double outer, double height)
{
    std::vector<vorlix::Vector3> path(points);
    for (std::size_t p = 0; p < points; ++p) {
        const double lap = 2 * M_PI * double(p) / 400;
        const double radius = inner + (outer - inner) * 0.5 * (1 + qCos(lap));
        const double angle = lap * 0.381966;
        path[p] = { radius * qCos(angle), radius * qSin(angle), height };
    }
    return path;
}

/// Ticks of the motion without drawing, each recording both paths, until they are full.
int recordUntilFull(GLWidget &view)
{
    const std::size_t full = vorlix::RunState::poinsotPathCapacity;
    int ticks = 0;
    for (; ticks < 10000000
         && (view.run->polhode.size() < full || view.run->herpolhode.size() < full);
         ++ticks) {
        if (view.advanceTick(view.timePerFrame) != vorlix::DivergenceCause::None)
            break;
        view.run->recordPoinsotPaths(
            vorlix::poinsotConstruction({ view.inertiaX, view.inertiaY, view.inertiaZ },
                { view.omegaX, view.omegaY, view.omegaZ }, view.orientationMatrix),
            true, true);
    }
    return ticks;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    MainWindow window;
    if (!showAndWait(window))
        return 1;
    GLWidget &view = *window.glWidget;
    std::printf("view %dx%d, the first preset, ellipsoid %s\n", view.width(), view.height(),
        view.showEllipsoid ? "on" : "off");

    const auto report = [&view](const char *paths) {
        const std::array<double, 3> ms = repaintMs(view, 1500);
        std::printf("%-26s %5zu + %5zu points: off %6.3f ms, on %6.3f ms: %+5.1f %%\n", paths,
            view.run->polhode.size(), view.run->herpolhode.size(), ms[0], ms[1],
            100 * ms[2] / ms[0]);
    };
    report("paths empty:");
    run(view, 5);
    report("after 5 s of the flip:");
    run(view, 55);
    report("after 60 s of the flip:");
    view.run->polhode = loop(vorlix::RunState::poinsotPathCapacity, 0.4, 0.3);
    view.run->herpolhode = loop(vorlix::RunState::poinsotPathCapacity, 0.5, 0.45);
    report("full:");
    view.run->herpolhode = rosette(vorlix::RunState::poinsotPathCapacity, 0.2, 0.6, 0.45);
    report("full, herpolhode spread:");
    view.run->clearPoinsotPaths();
    const int ticks = recordUntilFull(view);
    std::printf("recorded from the flip in %d ticks (%.0f s):\n", ticks,
        ticks * GLWidget::tickIntervalMs / 1000.0);
    report("full, recorded:");
    const std::pair<const char *, Parts> parts[] = {
        { "L alone:", { true, false, false, false } },
        { "ω alone:", { false, true, false, false } },
        { "polhode alone:", { false, false, true, false } },
        { "plane and herpolhode:", { false, false, false, true } },
    };
    for (const auto &[name, only] : parts) {
        const std::array<double, 3> ms = repaintMs(view, 500, only);
        std::printf("  %-24s %+6.3f ms\n", name, ms[2]);
    }
    std::vector<vorlix::Vector3> herpolhode;
    herpolhode.swap(view.run->herpolhode);
    const std::array<double, 3> veil = repaintMs(view, 500, { false, false, false, true });
    std::printf("  %-24s %+6.3f ms\n", "plane alone:", veil[2]);
    view.run->herpolhode.swap(herpolhode);
    return 0;
}
