// SPDX-License-Identifier: GPL-3.0-or-later
// What one frame of the view costs from updateGL() until it is on screen (drawn, composed
// into the window and flushed), at the default window's view size, and how many ticks a
// second the running simulation reaches in the default window with the ellipsoid shown.
// Builds against any view the program has had, so that builds can be compared side by
// side. Run from data/ on a display:
//   cd data && LIBGL_ALWAYS_SOFTWARE=1 xvfb-run -a ../build/bench/bench_updategl

#include "benchsupport.h"
#include "glwidget.h"
#include "mainwindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QOpenGLWidget>
#include <QPushButton>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <type_traits>
#include <vector>

namespace {

/// updateGL() and, where the view draws into a texture of its own, the window's
/// composition of that texture; then the driver's queue drained.
template<class View> double wholeFrameMs(View &view)
{
    QElapsedTimer clock;
    clock.start();
    view.viewTurnY = 0.5;
    view.updateGL();
    view.viewTurnY = 0;
    if constexpr (std::is_base_of_v<QOpenGLWidget, View>)
        view.repaint();
    glFinish();
    return clock.nsecsElapsed() / 1e6;
}

} // namespace

int main(int argc, char **argv)
{
    TemporaryHome home;
    QApplication app(argc, argv);

    {
        GLWidget view("cylinder.obj", "");
        view.resize(582, 559); // the view's size in the default window
        view.show();
        if (!waitUntilExposed(view, 10000)) {
            std::fprintf(stderr, "the view was never shown\n");
            return 1;
        }
        view.showEllipsoid = true;
        view.inertiaX = 1, view.inertiaY = 2, view.inertiaZ = 3, view.inertiaMin = 1;
        std::vector<double> ms;
        for (int frame = 0; frame < 200; ++frame) {
            // Apart by more than a screen refresh: a window may hold back a composition
            // that comes sooner, and that wait is no cost of the frame.
            QThread::msleep(20);
            app.processEvents();
            ms.push_back(wholeFrameMs(view));
        }
        std::printf("whole updateGL at %dx%d, ellipsoid shown: median %.3f ms\n", view.width(),
            view.height(), median(ms));
    }

    MainWindow window;
    if (!showAndWait(window))
        return 1;
    window.findChild<QCheckBox *>("Ell")->setChecked(true);
    window.findChild<QPushButton *>("pushButton")->click();
    tickRates(*window.glWidget, 1000); // warm-up
    std::vector<double> rates;
    for (int round = 0; round < 5; ++round)
        rates.push_back(tickRates(*window.glWidget, 2000).perSecond);
    std::printf("ticks per second, default window, ellipsoid shown: median %.1f\n", median(rates));
    return 0;
}
