#include "mainwindow.h"

#include <QFileDialog>
#include <QLabel>

// The new view reads the mesh when its GL context is first initialised, so an
// unreadable file is reported after this returns, by the view.
void MainWindow::on_actionLoad_triangulated_OBJ_triggered()
{
    stopSimulation();
    const QString path = QFileDialog::getOpenFileName(this, tr("Open triangulated OBJ"),
        QDir::currentPath(), tr("3D Objects *.obj (*.obj);;All files (*.*)"));
    if (path.isNull())
        return;
    bodyFileName = path.toUtf8();
    textureFileName = "";
    replaceView();
    messageLabel->setText("<small>" + tr("object ") + path + tr(" loaded", "object") + "</small>");
}
