// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow.h"
#include "objfile.h"

#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>

void MainWindow::on_actionLoad_triangulated_OBJ_triggered()
{
    stopSimulation();
    const QString path = QFileDialog::getOpenFileName(this, tr("Open triangulated OBJ"),
        QDir::currentPath(), tr("3D Objects *.obj (*.obj);;All files (*.*)"));
    if (!path.isNull())
        loadBody(path);
}

// The file is read before the view is replaced, as the texture loader checks its image
// first: a file that yields nothing to draw keeps the body shown until now. The new view
// compiles the mesh read here instead of reading the file again.
bool MainWindow::loadBody(const QString &path)
{
    vorlix::ObjFile read = vorlix::readObjFile(path, vorlix::numericLocaleSeparator());
    if (!read.opened) {
        QMessageBox::warning(nullptr, tr("Warning"), tr("Can't open ") + path);
        return false;
    }
    if (read.mesh.triangleCount() == 0) {
        QMessageBox::warning(nullptr, tr("Warning"), tr("No triangles in ") + path);
        return false;
    }
    bodyFileName = path.toUtf8();
    textureFileName = "";
    replaceView(std::move(read.mesh));
    messageLabel->setText("<small>" + tr("object ") + path + tr(" loaded", "object") + "</small>");
    return true;
}
