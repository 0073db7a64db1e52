// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow.h"

#include "glwidget.h"
#include "physicsdock.h"
#include "physicsmenu.h"
#include "ui_mainwindowclass.h"

#include <QComboBox>
#include <QLayout>
#include <QScreen>
#include <QTimer>

#include <algorithm>

void MainWindow::createPhysicsReadout()
{
    physicsDock = new PhysicsDock(this);
    addDockWidget(Qt::BottomDockWidgetArea, physicsDock);
    // An addition the user asks for: the window opens as it always has. The dock's own
    // close button unchecks the menu entry.
    physicsDock->hide();
    connect(physicsDock->toggleViewAction(), &QAction::toggled, ui->actionPhysics_readout,
        &QAction::setChecked);
    connect(physicsDock, &PhysicsDock::stepperChosen, this, [this](const vorlix::Stepper *stepper) {
        runState.stepper = stepper;
        restartDriftReference();
    });
    // A preset chosen, or the first of an imported file, is a new motion even when its
    // values happen to equal the panel's.
    connect(ui->Settings, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
        &MainWindow::restartDriftReference);
    readoutTimer = new QTimer(this);
    readoutTimer->setInterval(100);
    connect(readoutTimer, &QTimer::timeout, this, &MainWindow::refreshPhysicsReadout);

    physicsMenu = new PhysicsMenu({ ui->actionAngular_momentum, ui->actionAngular_velocity,
                                      ui->actionPolhode, ui->actionInvariable_plane,
                                      ui->actionPolhode_family, ui->actionBody_and_space_cones,
                                      ui->actionLook_along_L, ui->actionRide_with_body,
                                      ui->actionExact_ghost },
        this);
    connect(physicsMenu, &PhysicsMenu::overlaysChanged, this, &MainWindow::showOverlays);
}

void MainWindow::refreshPhysicsReadout()
{
    const GLWidget &v = *glWidget;
    physicsDock->showReadout(
        vorlix::physicsReadout({ v.inertiaX, v.inertiaY, v.inertiaZ },
            { v.omegaX, v.omegaY, v.omegaZ }, runState.simulatedTime, runState.referenceEnergy,
            runState.referenceMomentum, v.timePerFrame, v.iterPerFrame, v.speed),
        vorlix::inPanelUnits(
            runState.omegaHistory.recent(PhysicsDock::plotSpan, PhysicsDock::plotPoints), v.speed));
    const vorlix::ExactDeviation error
        = runState.exact.deviation({ v.omegaX, v.omegaY, v.omegaZ }, v.orientationMatrix);
    physicsDock->showExactError(error.angleDegrees, error.relativeOmega);
}

void MainWindow::on_actionPhysics_readout_toggled(bool checked)
{
    const int viewHeight = glWidget->height(), windowHeight = height();
    physicsDock->setVisible(checked);
    // The window grows by what the dock takes from the view, as far as the screen allows,
    // so that the view's square is cropped no more than before; closing gives it back.
    if (checked && !isMaximized() && !isFullScreen()) {
        // Laid out now, which may already grow the window to its new minimum height.
        layout()->activate();
        const int frame = frameGeometry().height() - height();
        const int highest = screen()->availableGeometry().height() - frame;
        const int wanted = height() + viewHeight - glWidget->height();
        const int grown = std::max(height(), std::min(wanted, highest));
        resize(width(), grown);
        readoutDockGrowth = grown - windowHeight;
    } else if (!checked && readoutDockGrowth > 0) {
        layout()->activate(); // lowers the minimum height the dock had raised
        resize(width(), height() - readoutDockGrowth);
        readoutDockGrowth = 0;
    }
    if (checked) {
        refreshPhysicsReadout();
        readoutTimer->start();
    } else {
        readoutTimer->stop();
    }
}

void MainWindow::showOverlays(const OverlaySwitches &switches)
{
    // A path nothing shows any more is forgotten: switched on again, it starts afresh. The
    // cones are drawn through the polhode and the herpolhode, so they keep both.
    if (!switches.polhode && !switches.cones)
        runState.polhode.clear();
    if (!switches.invariablePlane && !switches.cones)
        runState.herpolhode.clear();
    glWidget->overlays = switches;
    glWidget->updateGL();
}
