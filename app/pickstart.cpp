// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow.h"

#include "ellipsoidpick.h"
#include "invariants.h"
#include "ui_mainwindowclass.h"

void MainWindow::startFromPickedPoint(const vorlix::Vector3 &bodyPoint)
{
    // In the panel's own units, before the speed scales them: the panel's energy is kept.
    const vorlix::Vector3 moments { ui->Ix->value(), ui->Iy->value(), ui->Iz->value() };
    const vorlix::Vector3 panelOmega { ui->WX->value(), ui->WY->value(), ui->WZ->value() };
    const vorlix::Vector3 omega
        = vorlix::omegaWithEnergy(bodyPoint, moments, vorlix::kineticEnergy(moments, panelOmega));
    // A panel at rest has no energy to give a direction.
    if (!(vorlix::norm(omega) > 0))
        return;
    ui->WX->setValue(omega.x);
    ui->WY->setValue(omega.y);
    ui->WZ->setValue(omega.z);
    on_actionRestart_from_the_panel_triggered();
}
