// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow.h"

#include "motion.h"
#include "ui_mainwindowclass.h"

#include <QComboBox>
#include <QDoubleSpinBox>

bool MainWindow::choosePreset(const QString &name)
{
    const int index = ui->Settings->findText(name);
    if (index < 0)
        return false;
    ui->Settings->setCurrentIndex(index);
    // Choosing the item already current would not load it.
    on_Settings_currentIndexChanged(index);
    return true;
}

void MainWindow::showMotion(const vorlix::Motion &motion, const vorlix::Stepper *stepper)
{
    ui->Ix->setValue(motion.moments.x);
    ui->Iy->setValue(motion.moments.y);
    ui->Iz->setValue(motion.moments.z);
    ui->WX->setValue(motion.omega.x);
    ui->WY->setValue(motion.omega.y);
    ui->WZ->setValue(motion.omega.z);
    ui->speed->setValue(motion.speed);
    ui->iterPerFrame->setValue(motion.iterationsPerFrame);
    runState.stepper = stepper;
    LoadValues();
}
