// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow.h"

#include "filmexport.h"
#include "glwidget.h"
#include "videoexportdialog.h"
#include "videoformat.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QProgressDialog>

void MainWindow::on_actionExport_video_triggered()
{
    const qreal ratio = glWidget->devicePixelRatioF();
    VideoExportDialog options(int(std::min(glWidget->width(), glWidget->height()) * ratio), this);
    if (options.exec() != QDialog::Accepted)
        return;
    FilmRequest request = options.request();

    const QString fileName = QFileDialog::getSaveFileName(
        this, tr("Export video"), homePath, tr("Videos (*.mp4 *.webm *.gif)"));
    if (fileName.isNull())
        return;
    request.fileName = vorlix::withVideoSuffix(fileName);

    QProgressDialog progress(
        tr("Writing the video..."), tr("Cancel"), 0, request.frameCount(), this);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(0);
    QString problem;
    const FilmExport::Outcome outcome = FilmExport::write(*glWidget, request, &progress, &problem);
    if (outcome == FilmExport::Outcome::Refused || outcome == FilmExport::Outcome::Failed) {
        progress.reset();
        QMessageBox::warning(this, tr("Warning"),
            tr("The video %1 was not written: %2").arg(request.fileName, problem));
    }
}
