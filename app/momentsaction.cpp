// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow.h"

#include "glwidget.h"
#include "massproperties.h"
#include "ui_mainwindowclass.h"

#include <QLabel>
#include <QMessageBox>

namespace {

QString number(double x)
{
    return QString::number(x, 'g', 3);
}

} // namespace

void MainWindow::on_actionMoments_from_body_triggered()
{
    vorlix::Vector3 moments { 1, 1, 1 }; // the textured sphere: a solid sphere
    QString model = tr("solid sphere");
    QString message;
    if (!bodyFileName.isEmpty()) {
        const vorlix::MassProperties body = vorlix::massProperties(loadedMesh);
        if (body.isEmpty()) {
            QMessageBox::warning(nullptr, tr("Warning"),
                tr("No volume and no area in %1").arg(QString::fromUtf8(bodyFileName)));
            return;
        }
        const vorlix::PrincipalFrame frame = vorlix::principalFrame(body);
        moments = vorlix::scaledToSmallestOne(frame.moments);
        model = body.model == vorlix::MassModel::Solid ? tr("solid") : tr("shell");
        if (vorlix::needsPrincipalFrame(frame)) {
            glWidget->bodyPlacement = vorlix::meshToPrincipalFrame(frame);
            message = tr("Moments from the body: %1, %2, %3 (%4); moved %5 and turned %6° "
                         "into its principal axes")
                          .arg(number(moments.x), number(moments.y), number(moments.z), model,
                              number(vorlix::norm(frame.centreOfMass)),
                              number(frame.angleDegrees));
        }
    }
    if (message.isEmpty())
        message = tr("Moments from the body: %1, %2, %3 (%4)")
                      .arg(number(moments.x), number(moments.y), number(moments.z), model);
    ui->Ix->setValue(moments.x);
    ui->Iy->setValue(moments.y);
    ui->Iz->setValue(moments.z);
    glWidget->updateGL();
    messageLabel->setText("<small>" + message + "</small>");
}
