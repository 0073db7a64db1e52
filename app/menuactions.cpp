// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow.h"

#include "about.h"
#include "filesuffix.h"
#include "glwidget.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QImage>
#include <QInputDialog>
#include <QMessageBox>
#include <QSaveFile>

void MainWindow::on_actionExport_as_image_triggered()
{
    bool accepted = false;
    const int side = QInputDialog::getInt(this, tr("Export options"), tr("Width in pixels:"),
        glWidget->width(), 1, 20000, 10, &accepted);
    if (!accepted)
        return;
    // Taken now, so the picture shows the moment the size was confirmed.
    const QImage image = glWidget->renderSquareImage(side);

    QString fileName = QFileDialog::getSaveFileName(
        this, tr("Export as image"), homePath, tr("Images *.png (*.png)"));
    if (fileName.isNull())
        return;
    fileName = withSuffix(fileName, "png");

    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) || !image.save(&file, "PNG") || !file.commit())
        QMessageBox::warning(nullptr, tr("Warning"), tr("Can't write to ") + fileName);
}

void MainWindow::on_actionLine_width_triggered()
{
    glWidget->makeCurrent();
    GLfloat range[2] = { 1.0f, 1.0f };
    glGetFloatv(GL_ALIASED_LINE_WIDTH_RANGE, range);

    bool accepted = false;
    const double width = QInputDialog::getDouble(
        this, tr("Line width"), tr("Pixels:"), glWidget->lineWidth, 1.0, range[1], 0, &accepted);
    if (!accepted)
        return;
    lineWidth = float(width);
    glWidget->lineWidth = lineWidth;
    // The dialog's own event loop may have left another context current.
    glWidget->makeCurrent();
    glWidget->changeLineWidth();
    SaveSettings();
}

void MainWindow::on_actionBackground_color_triggered()
{
    const QColor colour = QColorDialog::getColor(glWidget->backgroundColor, this);
    if (!colour.isValid())
        return;
    backgroundColor = colour;
    glWidget->backgroundColor = backgroundColor;
    glWidget->makeCurrent();
    glWidget->changeBackgroundColor();
    SaveSettings();
}

void MainWindow::on_action_Info_triggered()
{
    auto *dialog = new about;
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    // The size it will be shown at, so that it is centred as it appears.
    dialog->adjustSize();
    dialog->move(int(x() + width() * 0.5 - dialog->width() * 0.5),
        int(y() + height() * 0.5 - dialog->height() * 0.5));
    dialog->show();
}

void MainWindow::on_actionE_xit_triggered()
{
    window()->close();
}
