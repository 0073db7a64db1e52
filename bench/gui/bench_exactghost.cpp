// SPDX-License-Identifier: GPL-3.0-or-later
// Ticks per second of the running simulation (flip preset, readout shown, so that its error
// line against the exact motion is refreshed) with the exact-pose ghost off and on,
// alternating, so that the ghost's cost can be read off. The exact reference advances
// every tick either way. Also per second of the process's CPU time, which a machine busy
// with other work disturbs less than the wall clock. Run it from data/ on a display:
//   cd data && LIBGL_ALWAYS_SOFTWARE=1 xvfb-run -a ../build/bench/bench_exactghost

#include "benchsupport.h"
#include "glwidget.h"
#include "mainwindow.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {

constexpr int roundsEach = 5;
constexpr int roundMs = 3000;

double processSeconds()
{
    timespec t;
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) + 1e-9 * double(t.tv_nsec);
}

struct Rates {
    double perSecond, perProcessSecond;
};

// Counted on the view's own tick timer: the status bar zeroes the view's frame counter
// every second.
Rates ticksPerSecond(QApplication &app, GLWidget *view)
{
    int ticks = 0;
    const QMetaObject::Connection counting
        = QObject::connect(view->timer, &QTimer::timeout, [&ticks] { ++ticks; });
    const double cpuStart = processSeconds();
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < roundMs)
        app.processEvents(QEventLoop::AllEvents, 50);
    QObject::disconnect(counting);
    return { ticks * 1000.0 / clock.elapsed(), ticks / (processSeconds() - cpuStart) };
}

} // namespace

int main(int argc, char *argv[])
{
    QTemporaryDir home;
    qputenv("HOME", home.path().toUtf8());
    QApplication app(argc, argv);
    MainWindow window;
    window.show();
    window.findChild<QAction *>("actionPhysics_readout")->setChecked(true);
    auto *ghost = window.findChild<QAction *>("actionExact_ghost");
    window.findChild<QPushButton *>("pushButton")->click();
    ticksPerSecond(app, window.glWidget); // warm-up

    std::vector<double> off, on, offCpu, onCpu;
    for (int round = 0; round < roundsEach; ++round) {
        ghost->setChecked(false);
        const Rates a = ticksPerSecond(app, window.glWidget);
        ghost->setChecked(true);
        const Rates b = ticksPerSecond(app, window.glWidget);
        off.push_back(a.perSecond);
        offCpu.push_back(a.perProcessSecond);
        on.push_back(b.perSecond);
        onCpu.push_back(b.perProcessSecond);
    }
    std::printf(
        "ticks per second (per CPU second), median of %d rounds of %d ms\n", roundsEach, roundMs);
    const double a = median(off), b = median(on), ac = median(offCpu), bc = median(onCpu);
    std::printf("ghost off: %.1f (%.1f)\nghost on : %.1f (%.1f); %+.1f %% (%+.1f %%)\n", a, ac, b,
        bc, 100.0 * (b - a) / a, 100.0 * (bc - ac) / ac);
    return 0;
}
