// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow.h"

#include "buttonstyles.h"
#include "elidedlabel.h"
#include "glwidget.h"

#include <QFrame>
#include <QLabel>
#include <QStatusBar>

void MainWindow::createStatusLabels()
{
    const auto newLabel = [this](const QString &text) {
        auto *label = new QLabel(text, this);
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        return label;
    };
    // Elided, so that a long message never widens the window.
    messageLabel = new ElidedLabel(this);
    messageLabel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    fpsLabel = newLabel("<b>FPS</b>");
    omegaXLabel = newLabel(omegaXPrefix + "</font>");
    omegaYLabel = newLabel(omegaYPrefix + "</font>");
    omegaZLabel = newLabel(omegaZPrefix + "</font>");
    statusBar()->addPermanentWidget(messageLabel, 2);
    statusBar()->addPermanentWidget(fpsLabel, 0);
    statusBar()->addPermanentWidget(omegaXLabel, 1);
    statusBar()->addPermanentWidget(omegaYLabel, 1);
    statusBar()->addPermanentWidget(omegaZLabel, 1);
}

void MainWindow::statusbarFPSupdate()
{
    if (glWidget->pauseState == 1) {
        setButtonState(ButtonStyle::keyPaused, tr("Resume"));
        return;
    }
    const int ticks = glWidget->frameCounter;
    const double previous = glWidget->timePerFrame;
    glWidget->frameCounter = 0;

    fpsLabel->setText("<b>FPS: " + QString::number(ticks) + "</b>");
    omegaXLabel->setText(
        omegaXPrefix + " = " + QString::number(glWidget->omegaX, 'g', 6) + "</font>");
    omegaYLabel->setText(
        omegaYPrefix + " = " + QString::number(glWidget->omegaY, 'g', 6) + "</font>");
    omegaZLabel->setText(
        omegaZPrefix + " = " + QString::number(glWidget->omegaZ, 'g', 6) + "</font>");

    // Move the seconds-per-tick estimate a quarter of the way to the last second's
    // measurement. A second without a tick measures nothing, so the estimate stays.
    if (ticks > 0)
        glWidget->timePerFrame = (previous * 3 + 1.0 / ticks) * 0.25;

    if (glWidget->pauseState == 2) {
        glWidget->pauseState = 0;
        setButtonState(ButtonStyle::running, tr("Stop"));
    }
}
