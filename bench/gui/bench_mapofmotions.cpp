// SPDX-License-Identifier: GPL-3.0-or-later
// Cost of the polhode family and the body and space cones: one repaint of the main window's
// view at its default size with both off and both on, on the first preset (the flip) after
// 60 s of the motion, traces and the other overlays off. Off and on alternate frame by
// frame, so that a busy machine slows both alike. Run from the data directory:
//   cd data && xvfb-run -a env LIBGL_ALWAYS_SOFTWARE=1 ../build/bench/bench_mapofmotions

#include "benchsupport.h"
#include "glwidget.h"
#include "mainwindow.h"

#include <QApplication>
#include <QElapsedTimer>

#include <cstdio>
#include <vector>

namespace {

void showMap(GLWidget &view, bool on)
{
    view.overlays.polhodeFamily = view.overlays.cones = on;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    MainWindow window;
    if (!showAndWait(window))
        return 1;
    GLWidget &view = *window.glWidget;
    // The cones record both paths while they are on, as the ticks of a run do.
    showMap(view, true);
    for (int tick = 0; tick * GLWidget::tickIntervalMs < 60000; ++tick)
        QMetaObject::invokeMethod(&view, "rotate");

    std::vector<double> ms[2], difference;
    for (int pair = 0; pair < 1500; ++pair) {
        for (bool on : { false, true }) {
            showMap(view, on);
            QElapsedTimer clock;
            clock.start();
            view.updateGL();
            glFinish();
            ms[on].push_back(clock.nsecsElapsed() / 1e6);
        }
        difference.push_back(ms[1].back() - ms[0].back());
    }
    std::printf("view %dx%d, ellipsoid %s, after 60 s of the flip (%zu + %zu path points): "
                "off %.3f ms, on %.3f ms: %+.1f %%\n",
        view.width(), view.height(), view.showEllipsoid ? "on" : "off", view.run->polhode.size(),
        view.run->herpolhode.size(), median(ms[0]), median(ms[1]),
        100 * median(difference) / median(ms[0]));
    return 0;
}
