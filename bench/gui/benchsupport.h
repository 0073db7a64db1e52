// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef VORLIX_BENCHSUPPORT_H
#define VORLIX_BENCHSUPPORT_H

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

/// A home of the run's own, so that a benchmark never reads or writes the user's settings.
class TemporaryHome {
public:
    TemporaryHome() { qputenv("HOME", dir.path().toUtf8()); }
    QString filePath(const QString &name) const { return dir.filePath(name); }

private:
    QTemporaryDir dir;
};

/// Lets the event loop run until the widget's window is on screen, so that the first
/// timed frame is not the one that creates the GL context.
inline bool waitUntilExposed(QWidget &widget, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < timeoutMs) {
        QApplication::processEvents();
        if (widget.windowHandle() && widget.windowHandle()->isExposed())
            return true;
        QThread::msleep(10);
    }
    return false;
}

/// Shows the window and waits for it; says so on stderr when it never appears.
inline bool showAndWait(QWidget &window, int timeoutMs = 10000)
{
    window.show();
    if (waitUntilExposed(window, timeoutMs))
        return true;
    std::fprintf(stderr, "the window was never shown\n");
    return false;
}

/// The middle of the measurements: one slow frame or round moves it no further.
inline double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

/// The process's own CPU time, which other work on a busy machine disturbs less than the
/// wall clock.
inline double processSeconds()
{
    timespec t;
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) + 1e-9 * double(t.tv_nsec);
}

struct TickRates {
    double perSecond, perProcessSecond;
};

/// The ticks of the view's running timer while the event loop runs for `ms`, per second
/// of the wall clock and of the process's CPU time. Counted on the timer itself: the status
/// bar zeroes the view's frame counter every second.
template<class View> TickRates tickRates(View &view, int ms)
{
    int ticks = 0;
    const QMetaObject::Connection counting
        = QObject::connect(view.timer, &QTimer::timeout, [&ticks] { ++ticks; });
    const double cpuStart = processSeconds();
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms)
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    QObject::disconnect(counting);
    return { ticks * 1000.0 / clock.elapsed(), ticks / (processSeconds() - cpuStart) };
}

#endif
