// SPDX-License-Identifier: GPL-3.0-or-later
// What keeps a run honest: the drift's reference taken afresh whenever the user starts or
// changes the motion, and a run stopped, with its likely cause, when it leaves the body.
#include "mainwindow.h"

#include "divergence.h"
#include "elidedlabel.h"
#include "glwidget.h"
#include "physicsreadout.h"
#include "ui_mainwindowclass.h"

#include <QLocale>

namespace {

const char *const stepAdvice = QT_TRANSLATE_NOOP(
    "MainWindow", "the step is too large: lower the speed or raise Iterations/frame");

QString invalidMomentMessage(const vorlix::InvalidMoment &m)
{
    return MainWindow::tr("A moment of inertia must be positive: %1 = %2")
        .arg(QStringLiteral("I") + QLatin1Char(m.axis), QLocale().toString(m.value));
}

QString divergenceMessage(vorlix::DivergenceCause cause)
{
    const QString advice = MainWindow::tr(stepAdvice);
    const QString growth = QLocale().toString(vorlix::divergenceGrowth);
    switch (cause) {
    case vorlix::DivergenceCause::EnergyGrew:
        return MainWindow::tr("The simulation diverged: T grew more than %1-fold; %2")
            .arg(growth, advice);
    case vorlix::DivergenceCause::MomentumGrew:
        return MainWindow::tr("The simulation diverged: |L| grew more than %1-fold; %2")
            .arg(growth, advice);
    default:
        return MainWindow::tr("The simulation diverged: its numbers are no longer finite; %1")
            .arg(advice);
    }
}

} // namespace

void MainWindow::restartDriftReference()
{
    const GLWidget &v = *glWidget;
    const vorlix::Vector3 moments { v.inertiaX, v.inertiaY, v.inertiaZ };
    // T and |L| now, in the panel's units and computed just as the readout computes them,
    // so that it reads a drift of exactly 0. At Speed 0 they stay unused until a change of
    // Speed takes them again.
    const vorlix::Vector3 omega { v.omegaX, v.omegaY, v.omegaZ };
    const vorlix::PhysicsReadout now = vorlix::physicsReadout(
        moments, omega, 0, 0, 0, v.timePerFrame, v.iterPerFrame, v.speed);
    runState.restartClock(moments, v.speed != 0 ? (1 / v.speed) * omega : vorlix::Vector3 {});
    runState.referenceEnergy = now.energy;
    runState.referenceMomentum = now.momentum;
    runState.record.append(0, omega, v.orientationMatrix);
    restartExactReference();
}

bool MainWindow::refuseInvalidMoments()
{
    const auto invalid
        = vorlix::invalidMoment({ ui->Ix->value(), ui->Iy->value(), ui->Iz->value() });
    if (invalid)
        messageLabel->setText("<small>" + invalidMomentMessage(*invalid) + "</small>");
    return invalid.has_value();
}

void MainWindow::stopDivergedSimulation(vorlix::DivergenceCause cause)
{
    stopSimulation();
    // A zero moment makes any step diverge: it, not the step, is the cause to name.
    const auto invalid
        = vorlix::invalidMoment({ glWidget->inertiaX, glWidget->inertiaY, glWidget->inertiaZ });
    messageLabel->setText("<small>"
        + (invalid ? invalidMomentMessage(*invalid) : divergenceMessage(cause)) + "</small>");
}
