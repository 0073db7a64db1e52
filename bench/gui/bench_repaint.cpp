// Cost of one repaint of the view as the axis traces grow: every frame sends each
// trace's whole vertex array again. Run from the data directory on a display, e.g.
//   cd data && xvfb-run -a env LIBGL_ALWAYS_SOFTWARE=1 ../build/bench/bench_repaint

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

bool waitUntilExposed(QWidget &widget, int timeoutMs)
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

struct FrameTimes {
    double median;
    double mean;
};

FrameTimes timeRepaints(GLWidget &view, int frames)
{
    std::vector<double> ms;
    for (int i = 0; i < frames; ++i) {
        QElapsedTimer clock;
        clock.start();
        view.updateGL();
        // updateGL only queues the work with the driver; wait until it is done.
        glFinish();
        ms.push_back(clock.nsecsElapsed() / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    double sum = 0;
    for (double m : ms)
        sum += m;
    return { ms[ms.size() / 2], sum / ms.size() };
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
        fillTrace(view.xLines, points);
        fillTrace(view.yLines, points);
        fillTrace(view.zLines, points);
        // Each timed frame adds one point per axis, nothing next to these lengths.
        view.xLinesIndex = view.yLinesIndex = view.zLinesIndex = 3 * points + 2;
        timeRepaints(view, 3);
        const FrameTimes t = timeRepaints(view, points >= 1000000 ? 15 : 40);
        std::printf("%8d points per axis: %9.3f ms per frame (median), %9.3f ms (mean)\n", points,
            t.median, t.mean);
    }
    return 0;
}
