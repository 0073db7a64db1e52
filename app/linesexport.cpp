// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow.h"

#include "filesuffix.h"
#include "glwidget.h"

#include <QFileDialog>
#include <QMessageBox>

void MainWindow::on_actionExport_lines_as_OBJ_triggered()
{
    if (!glWidget->drawLines) {
        QMessageBox::warning(nullptr, tr("Warning"), tr("Nothing to export"));
        return;
    }
    if (!glWidget->drawXLines && !glWidget->drawYLines && !glWidget->drawZLines)
        return;
    QString fileName = QFileDialog::getSaveFileName(
        this, tr("Export lines as OBJ"), homePath, tr("3D Objects *.obj (*.obj);;All files (*.*)"));
    if (fileName.isNull())
        return;
    glWidget->saveLineToOBJ(withSuffix(fileName, "obj"));
}
