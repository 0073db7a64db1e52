// SPDX-License-Identifier: GPL-3.0-or-later
// Ticks per second of the running simulation with the physics readout dock hidden and
// shown, alternating, so that the cost of sampling ω every tick and refreshing the labels
// and the ω(t) plot ten times a second can be read off. Run it from data/ on a display:
//   cd data && LIBGL_ALWAYS_SOFTWARE=1 xvfb-run -a ../build/bench/bench_readout

#include "benchsupport.h"
#include "glwidget.h"
#include "mainwindow.h"

#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int roundsEach = 5;
constexpr int roundMs = 3000;

} // namespace

int main(int argc, char *argv[])
{
    TemporaryHome home;
    QApplication app(argc, argv);
    MainWindow window;
    window.show();
    auto *readout = window.findChild<QAction *>("actionPhysics_readout");
    window.findChild<QPushButton *>("pushButton")->click();
    tickRates(*window.glWidget, roundMs); // warm-up

    std::vector<double> hidden, shown;
    for (int round = 0; round < roundsEach; ++round) {
        readout->setChecked(false);
        hidden.push_back(tickRates(*window.glWidget, roundMs).perSecond);
        readout->setChecked(true);
        shown.push_back(tickRates(*window.glWidget, roundMs).perSecond);
    }
    const double h = median(hidden), s = median(shown);
    std::printf("ticks per second, median of %d rounds of %d ms\n", roundsEach, roundMs);
    std::printf(
        "readout hidden: %.1f\nreadout shown : %.1f (%+.1f %%)\n", h, s, 100.0 * (s - h) / h);
    return 0;
}
