// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow.h"

#include "filesuffix.h"
#include "glwidget.h"
#include "integrator.h"
#include "runcsv.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QSaveFile>

void MainWindow::on_actionExport_data_triggered()
{
    QString fileName = QFileDialog::getSaveFileName(
        this, tr("Export data"), homePath, tr("Tables *.csv (*.csv)"));
    if (fileName.isNull())
        return;
    fileName = withSuffix(fileName, "csv");

    vorlix::RunDescription description;
    description.version = QStringLiteral(VORLIX_VERSION);
    description.moments = runState.startMoments;
    description.initialOmega = runState.startOmega;
    description.integrator = QString::fromLatin1(runState.stepper->name());
    description.subStep
        = glWidget->iterPerFrame > 0 ? glWidget->timePerFrame / glWidget->iterPerFrame : 0;
    description.speed = glWidget->speed;
    description.iterationsPerFrame = glWidget->iterPerFrame;

    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly)
        || !vorlix::writeRunCsv(&file, description, runState.record) || !file.commit())
        QMessageBox::warning(nullptr, tr("Warning"), tr("Can't write to ") + fileName);
}
