// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow.h"

#include "glwidget.h"

void MainWindow::restartExactReference()
{
    const GLWidget &v = *glWidget;
    runState.exact.restart({ v.inertiaX, v.inertiaY, v.inertiaZ }, { v.omegaX, v.omegaY, v.omegaZ },
        v.orientationMatrix);
}
