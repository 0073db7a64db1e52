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
    QString placement;
    if (!bodyFileName.isEmpty()) {
        const vorlix::MassProperties body = vorlix::massProperties(glWidget->bodyMesh);
        if (body.isEmpty()) {
            QMessageBox::warning(nullptr, tr("Warning"),
                tr("No volume and no area in ") + QString::fromUtf8(bodyFileName));
            return;
        }
        const vorlix::PrincipalFrame frame = vorlix::principalFrame(body);
        moments = vorlix::scaledToSmallestOne(frame.moments);
        model = body.model == vorlix::MassModel::Solid ? tr("solid") : tr("shell");
        if (vorlix::needsPrincipalFrame(frame)) {
            glWidget->bodyPlacement = vorlix::meshToPrincipalFrame(frame);
            placement = tr("; moved %1 and turned %2° into its principal axes")
                            .arg(number(vorlix::norm(frame.centreOfMass)),
                                number(frame.angleDegrees));
        }
    }
    ui->Ix->setValue(moments.x);
    ui->Iy->setValue(moments.y);
    ui->Iz->setValue(moments.z);
    glWidget->updateGL();
    messageLabel->setText("<small>"
        + tr("Moments from the body: %1, %2, %3 (%4)")
              .arg(number(moments.x), number(moments.y), number(moments.z), model)
        + placement + "</small>");
}
