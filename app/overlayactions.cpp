// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow.h"

#include "glwidget.h"
#include "ui_mainwindowclass.h"

// The switches live in the menu only: a new view takes them from there, and they are not
// kept in the settings file.
void MainWindow::showCheckedOverlays()
{
    glWidget->showAngularMomentum = ui->actionAngular_momentum->isChecked();
    glWidget->showAngularVelocity = ui->actionAngular_velocity->isChecked();
    glWidget->showPolhode = ui->actionPolhode->isChecked();
    glWidget->showInvariablePlane = ui->actionInvariable_plane->isChecked();
}

void MainWindow::on_actionAngular_momentum_toggled(bool checked)
{
    glWidget->showAngularMomentum = checked;
    glWidget->updateGL();
}

void MainWindow::on_actionAngular_velocity_toggled(bool checked)
{
    glWidget->showAngularVelocity = checked;
    glWidget->updateGL();
}

void MainWindow::on_actionPolhode_toggled(bool checked)
{
    glWidget->showPolhode = checked;
    if (!checked)
        glWidget->polhode.clear();
    glWidget->updateGL();
}

void MainWindow::on_actionInvariable_plane_toggled(bool checked)
{
    glWidget->showInvariablePlane = checked;
    if (!checked)
        glWidget->herpolhode.clear();
    glWidget->updateGL();
}
