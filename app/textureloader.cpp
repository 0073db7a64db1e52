#include "mainwindow.h"

#include <QFileDialog>
#include <QImageReader>
#include <QLabel>
#include <QMessageBox>

void MainWindow::on_actionLoad_texture_triggered()
{
    stopSimulation();
    const QString path
        = QFileDialog::getOpenFileName(this, tr("Select image for texture"), QDir::currentPath(),
            tr("Images (*.bmp *.gif *.jpg *.jpeg *.png *.pbm *.pgm *.ppm *.tiff *.xbm *.xpm);;All "
               "files (*.*)"));
    if (path.isNull())
        return;
    // The new view reads the image only when it first draws, and could then only fall
    // back to a white sphere; a file that is no image must not replace the body.
    if (QImageReader(path).read().isNull()) {
        QMessageBox::warning(nullptr, tr("Warning"), tr("Can't open ") + path);
        return;
    }
    bodyFileName = "";
    textureFileName = path;
    replaceView();
    messageLabel->setText(
        "<small>" + tr("texture ") + path + tr(" loaded", "texture") + "</small>");
}
