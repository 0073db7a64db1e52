// SPDX-License-Identifier: GPL-3.0-or-later
// Ticks per second of the running simulation (flip preset) with neither the readout nor the
// exact-pose ghost, with the readout (whose error line against the exact motion is
// refreshed) and with both, in turn, so that the ghost's cost and that of the two together
// can be read off. The exact reference advances every tick in all three. Then the cost of
// the ghost's drawing alone: one frame with and without it. Also per second of the
// process's CPU time, which a machine busy with other work disturbs less than the wall clock. Run
// it from data/ on a display:
//   cd data && LIBGL_ALWAYS_SOFTWARE=1 xvfb-run -a ../build/bench/bench_exactghost

#include "benchsupport.h"
#include "glwidget.h"
#include "mainwindow.h"

#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <algorithm>
#include <array>
#include <cstdio>
#include <vector>

namespace {

constexpr int roundsEach = 5;
constexpr int roundMs = 3000;

/// Process CPU milliseconds of one frame drawn to the end, without the ghost and with it in
/// turn, frame by frame with a tick between pairs, so that a busy machine slows both alike.
std::array<double, 2> frameMs(GLWidget *view, int pairs)
{
    std::vector<double> ms[2];
    for (int pair = 0; pair < pairs; ++pair) {
        QMetaObject::invokeMethod(view, "rotate");
        glFinish(); // the tick's own frame, out of the timing
        for (bool ghost : { false, true }) {
            view->overlays.ghost = ghost;
            const double start = processSeconds();
            view->updateGL();
            glFinish();
            ms[ghost].push_back(1000 * (processSeconds() - start));
        }
    }
    return { median(ms[0]), median(ms[1]) };
}

} // namespace

int main(int argc, char *argv[])
{
    TemporaryHome home;
    QApplication app(argc, argv);
    MainWindow window;
    window.show();
    auto *readout = window.findChild<QAction *>("actionPhysics_readout");
    auto *ghost = window.findChild<QAction *>("actionExact_ghost");
    window.findChild<QPushButton *>("pushButton")->click();
    tickRates(*window.glWidget, roundMs); // warm-up

    constexpr int states = 3;
    const char *names[states] = { "neither", "readout", "readout and ghost" };
    std::vector<double> wall[states], cpu[states];
    for (int round = 0; round < roundsEach; ++round)
        for (int state = 0; state < states; ++state) {
            readout->setChecked(state > 0);
            ghost->setChecked(state > 1);
            const TickRates r = tickRates(*window.glWidget, roundMs);
            wall[state].push_back(r.perSecond);
            cpu[state].push_back(r.perProcessSecond);
        }
    std::printf(
        "ticks per second (per CPU second), median of %d rounds of %d ms\n", roundsEach, roundMs);
    for (int state = 0; state < states; ++state)
        std::printf("%-17s: %.1f (%.1f)\n", names[state], median(wall[state]), median(cpu[state]));
    const auto change = [](const std::vector<double> &from, const std::vector<double> &to) {
        return 100.0 * (median(to) - median(from)) / median(from);
    };
    std::printf("ghost alone: %+.1f %% (%+.1f %%); ghost and error line: %+.1f %% (%+.1f %%)\n",
        change(wall[1], wall[2]), change(cpu[1], cpu[2]), change(wall[0], wall[2]),
        change(cpu[0], cpu[2]));
    ghost->setChecked(false);
    const std::array<double, 2> ms = frameMs(window.glWidget, 1000);
    std::printf("one frame, readout shown, ghost off / on: %.2f / %.2f ms CPU, %+.1f %%\n", ms[0],
        ms[1], 100 * (ms[1] - ms[0]) / ms[0]);
    return 0;
}
