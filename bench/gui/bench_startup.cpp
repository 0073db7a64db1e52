// Start-up time to the first frame of the view, and the program's resident memory at
// start and with all three axis traces full. Run it from data/ on a display, e.g.
//   cd data && LIBGL_ALWAYS_SOFTWARE=1 xvfb-run -a ../build/bench/bench_startup

#include "benchsupport.h"
#include "glwidget.h"
#include "mainwindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <cstdio>

namespace {

// Counts the view's paint events, so the first finished frame can be told.
class FrameWatch : public QObject {
public:
    bool painted = false;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            painted = true;
        return false;
    }
};

double residentMegabytes()
{
    QFile status("/proc/self/status");
    status.open(QIODevice::ReadOnly);
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    return 0;
}

void fillTrace(double *buffer, int &writeIndex)
{
    for (int i = 0; i < GLWidget::traceCapacity * 3; ++i)
        buffer[i] = (i % 3 == 0) ? 1.0 : 0.0;
    writeIndex = GLWidget::traceCapacity * 3 + 2;
}

} // namespace

int main(int argc, char *argv[])
{
    QElapsedTimer clock;
    clock.start();
    QApplication app(argc, argv);
    TemporaryHome home;

    MainWindow window;
    FrameWatch watch;
    window.glWidget->installEventFilter(&watch);
    window.show();
    while (!watch.painted)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    window.glWidget->makeCurrent();
    glFinish();
    const double startup = clock.nsecsElapsed() / 1e6;
    QElapsedTimer settle;
    settle.start();
    while (settle.elapsed() < 200)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    const double atStart = residentMegabytes();

    GLWidget *view = window.glWidget;
    fillTrace(view->xLines, view->xLinesIndex);
    fillTrace(view->yLines, view->yLinesIndex);
    fillTrace(view->zLines, view->zLinesIndex);
    view->drawLines = view->drawXLines = view->drawYLines = view->drawZLines = true;
    view->updateGL();
    const double withTraces = residentMegabytes();

    std::printf("start-up to the first frame: %.0f ms\n", startup);
    std::printf("resident memory at start:    %.0f MB\n", atStart);
    std::printf("with three full traces:      %.0f MB\n", withTraces);
    return 0;
}
