// SPDX-License-Identifier: GPL-3.0-or-later
// A long run at the main window's default size with the three axis traces and all four of
// Poinsot's overlays on. Each minute: the ticks per second of that minute (of the wall clock
// and of the process's CPU time, which a busy machine disturbs less); the resident memory;
// the memory allocated from the heap (freed memory the allocator keeps for later is not in
// it: software GL frees much after compiling its shaders); the memory the recorded data
// takes (the axis traces with their copies for GL, every tick's sample for the data export,
// the ω history, Poinsot's paths); the points recorded so far (axis traces, then polhode +
// herpolhode). The tick rate should hold and the memory grow by no more than the recorded
// data. Run it by hand from data/ for N minutes (default 30), e.g.
//   cd data && LIBGL_ALWAYS_SOFTWARE=1 xvfb-run -a ../build/bench/bench_soak 30

#include "benchsupport.h"
#include "glwidget.h"
#include "mainwindow.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QPushButton>

#include <cstdio>
#include <cstdlib>
#include <malloc.h>

namespace {

double residentMegabytes()
{
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    }
    return 0;
}

void check(MainWindow &window, const char *name)
{
    if (auto *box = window.findChild<QCheckBox *>(name)) {
        if (!box->isChecked())
            box->click();
    }
}

double allocatedMegabytes()
{
    const struct mallinfo2 heap = mallinfo2();
    return double(heap.uordblks + heap.hblkhd) / (1024.0 * 1024.0);
}

double recordedMegabytes(const GLWidget &view, long long tracePoints)
{
    const vorlix::RunState &run = *view.run;
    // Each trace point is kept in double precision and, for GL, in single.
    const double bytes = tracePoints * 3 * (sizeof(double) + sizeof(float))
        + run.record.size() * sizeof(vorlix::RunSample)
        + run.omegaHistory.size() * sizeof(vorlix::OmegaSample)
        + (run.polhode.size() + run.herpolhode.size()) * sizeof(vorlix::Vector3);
    return bytes / (1024.0 * 1024.0);
}

} // namespace

int main(int argc, char *argv[])
{
    TemporaryHome home;
    QApplication app(argc, argv);
    const int minutes = argc > 1 ? std::max(1, std::atoi(argv[1])) : 30;

    MainWindow window;
    window.show();
    for (const char *box : { "Draw", "xb", "yb", "zb" })
        check(window, box);
    for (const char *action : { "actionAngular_momentum", "actionAngular_velocity", "actionPolhode",
             "actionInvariable_plane" }) {
        if (auto *overlay = window.findChild<QAction *>(action))
            overlay->setChecked(true);
    }
    // Explicit Euler gains energy until the run is stopped as diverged, well within the
    // half hour; the accurate integrator runs as long as asked.
    window.findChild<QComboBox *>("integrator")->setCurrentIndex(1);
    window.findChild<QPushButton *>("pushButton")->click();

    // The view may be replaced when a body is loaded; this one is not.
    GLWidget *view = window.glWidget;
    std::printf("view %dx%d, %d minutes\n", view->width(), view->height(), minutes);
    std::printf("minute  ticks/s  ticks/CPU s  resident MB  allocated MB  recorded MB  "
                "trace points (x+y+z)  path points\n");
    std::fflush(stdout);
    for (int minute = 1; minute <= minutes; ++minute) {
        const TickRates rates = tickRates(*view, 60000);
        const long long tracePoints = GLWidget::tracePointCount(view->xLinesIndex)
            + GLWidget::tracePointCount(view->yLinesIndex)
            + GLWidget::tracePointCount(view->zLinesIndex);
        std::printf("%6d  %7.1f  %11.1f  %11.0f  %12.1f  %11.1f  %20lld  %11zu\n", minute,
            rates.perSecond, rates.perProcessSecond, residentMegabytes(), allocatedMegabytes(),
            recordedMegabytes(*view, tracePoints), tracePoints,
            view->run->polhode.size() + view->run->herpolhode.size());
        std::fflush(stdout);
    }
    return 0;
}
