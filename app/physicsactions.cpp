// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow.h"

#include "glwidget.h"
#include "physicsdock.h"
#include "physicsmenu.h"
#include "ui_mainwindowclass.h"

#include <QTimer>

void MainWindow::createPhysicsReadout()
{
    physicsDock = new PhysicsDock(this);
    addDockWidget(Qt::BottomDockWidgetArea, physicsDock);
    // An addition the user asks for: the window opens as it always has. The dock's own
    // close button unchecks the menu entry.
    physicsDock->hide();
    connect(physicsDock->toggleViewAction(), &QAction::toggled, ui->actionPhysics_readout,
        &QAction::setChecked);
    connect(physicsDock, &PhysicsDock::stepperChosen, this,
        [this](const vorlix::Stepper *stepper) { runState.stepper = stepper; });
    readoutTimer = new QTimer(this);
    readoutTimer->setInterval(100);
    connect(readoutTimer, &QTimer::timeout, this, &MainWindow::refreshPhysicsReadout);

    physicsMenu = new PhysicsMenu({ ui->actionAngular_momentum, ui->actionAngular_velocity,
                                      ui->actionPolhode, ui->actionInvariable_plane,
                                      ui->actionPolhode_family, ui->actionBody_and_space_cones,
                                      ui->actionLook_along_L, ui->actionRide_with_body },
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
            runState.omegaHistory.recent(PhysicsDock::plotSpan, PhysicsDock::plotPoints),
            v.speed));
}

void MainWindow::on_actionPhysics_readout_toggled(bool checked)
{
    physicsDock->setVisible(checked);
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
