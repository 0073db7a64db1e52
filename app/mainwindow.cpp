// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow.h"

#include "buttonstyles.h"
#include "decimalseparator.h"
#include "glwidget.h"
#include "objfile.h"
#include "physicsmenu.h"
#include "rigidbody.h"
#include "scenegeometry.h"
#include "settingsfile.h"
#include "ui_mainwindowclass.h"

#include <QDoubleSpinBox>
#include <QFile>
#include <QLabel>
#include <QTimer>

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent),
      glWidget(nullptr),
      ui(new Ui_MainWindowClass),
      bodyFileName("cylinder.obj"),
      textureFileName(""),
      fpsTimer(nullptr),
      messageLabel(nullptr),
      fpsLabel(nullptr),
      omegaXLabel(nullptr),
      omegaYLabel(nullptr),
      omegaZLabel(nullptr),
      lastPreset(-1),
      homeDir(QDir::homePath()),
      homePath(QDir::homePath()),
      backgroundColor(Qt::black),
      lineWidth(1)
{
    userSettingsFileName
        = homePath + QDir::separator() + ".vorlix" + QDir::separator() + "user.ini";
    settingsFileName
        = QFile::exists(userSettingsFileName) ? userSettingsFileName : QString("default.ini");
    allocatePresetArrays();

    ui->setupUi(this);
    auto *decimalSeparators = new DecimalSeparatorFilter(this);
    for (QDoubleSpinBox *box :
        { ui->Ix, ui->Iy, ui->Iz, ui->WX, ui->WY, ui->WZ, ui->speed, ui->iterPerFrame })
        box->installEventFilter(decimalSeparators);

    omegaXPrefix = "<font color=red>&omega;<sub>X</sub>";
    omegaYPrefix = "<font color=green>&omega;<sub>Y</sub>";
    omegaZPrefix = "<font color=blue>&omega;<sub>Z</sub>";

    ReadSettings(settingsFileName);

    glWidget = new GLWidget(bodyFileName.constData(), QString(textureFileName));
    // Read here, so that the window keeps the mesh it draws; a file that cannot be read is
    // left to the view, which reports it.
    vorlix::ObjFile body
        = vorlix::readObjFile(QString::fromUtf8(bodyFileName), vorlix::numericLocaleSeparator());
    if (body.opened) {
        loadedMesh = std::move(body.mesh);
        glWidget->handOverBodyMesh(&loadedMesh);
    }
    ui->verticalLayout_2->addWidget(glWidget);
    ui->pushButton->setStyleSheet(ButtonStyle::idle);

    createStatusLabels();
    createPhysicsReadout();

    setUpPresetBox();

    configureView();
    glWidget->lineWidth = lineWidth;
    glWidget->changeLineWidth();

    fpsTimer = new QTimer;
    connect(fpsTimer, &QTimer::timeout, this, &MainWindow::statusbarFPSupdate);
}

MainWindow::~MainWindow()
{
    delete ui;
    delete fpsTimer;
    releasePresetArrays();
}

void MainWindow::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
}

void MainWindow::LoadValues()
{
    const vorlix::Preset p = panel();
    const double ix = p.inertiaX, iy = p.inertiaY, iz = p.inertiaZ;
    const double wx = p.omegaX, wy = p.omegaY, wz = p.omegaZ;
    const double s = p.speed;

    glWidget->inertiaX = ix;
    glWidget->inertiaY = iy;
    glWidget->inertiaZ = iz;
    const vorlix::Vector3 c = vorlix::eulerCoefficients(ix, iy, iz);
    glWidget->eulerCoefX = c.x;
    glWidget->eulerCoefY = c.y;
    glWidget->eulerCoefZ = c.z;
    glWidget->omegaX = wx * s;
    glWidget->omegaY = wy * s;
    glWidget->omegaZ = wz * s;
    glWidget->speed = s;
    glWidget->inertiaMin = vorlix::smallestMoment(ix, iy, iz);
    glWidget->showEllipsoid = ui->Ell->isChecked();
    glWidget->drawLines = ui->Draw->isChecked();
    glWidget->drawXLines = ui->xb->isChecked();
    glWidget->drawYLines = ui->yb->isChecked();
    glWidget->drawZLines = ui->zb->isChecked();
    glWidget->iterPerFrame = p.iterPerFrame;
    restartDriftReference();
    runState.clearPoinsotPaths();
    glWidget->updateGL();
}

void MainWindow::setButtonState(const char *styleSheet, const QString &text)
{
    ui->pushButton->setStyleSheet(styleSheet);
    ui->pushButton->setText(text);
}

void MainWindow::on_pushButton_clicked()
{
    if (glWidget->pauseState == 1) {
        // Resuming a pause made with Space: the readout kept running, the panel is not re-read.
        glWidget->animate();
        glWidget->pauseState = 0;
        setButtonState(ButtonStyle::running, tr("Stop"));
    } else if (!glWidget->timer->isActive()) {
        if (refuseInvalidMoments())
            return;
        if (runState.divergedSinceStart) {
            // A diverged run's orientation means nothing: start over from the body's own
            // frame, before the panel is read and drawn.
            glWidget->orientationMatrix = vorlix::identityMatrix();
            runState.divergedSinceStart = false;
            restartExactReference();
        }
        LoadValues();
        glWidget->animate();
        fpsTimer->start(1000);
        setButtonState(ButtonStyle::running, tr("Stop"));
        messageLabel->setText("");
    } else {
        fpsTimer->stop();
        glWidget->pause();
        setButtonState(ButtonStyle::idle, tr("Start"));
    }
}

void MainWindow::stopSimulation()
{
    if (fpsTimer->isActive() || glWidget->pauseState == 1) {
        glWidget->pause();
        glWidget->pauseState = 0;
        setButtonState(ButtonStyle::idle, tr("Start"));
        fpsTimer->stop();
    }
}

void MainWindow::replaceView(vorlix::ObjMesh mesh)
{
    ui->verticalLayout_2->removeWidget(glWidget);
    delete glWidget;
    loadedMesh = std::move(mesh);
    // A new body starts from its own frame: nothing diverged is left to recover from.
    runState.divergedSinceStart = false;
    glWidget = new GLWidget(bodyFileName.constData(), textureFileName);
    if (!bodyFileName.isEmpty())
        glWidget->handOverBodyMesh(&loadedMesh);
    ui->verticalLayout_2->addWidget(glWidget);
    configureView();
}

void MainWindow::configureView()
{
    connect(glWidget, &GLWidget::diverged, this, &MainWindow::stopDivergedSimulation);
    connect(glWidget, &GLWidget::motionChangedByHand, this, &MainWindow::restartExactReference);
    connect(glWidget, &GLWidget::ellipsoidPicked, this, &MainWindow::startFromPickedPoint);
    glWidget->run = &runState;
    glWidget->overlays = physicsMenu->overlays();
    glWidget->backgroundColor = backgroundColor;
    glWidget->changeBackgroundColor();
    LoadValues();
}

// Start, from stopped, reads the panel (LoadValues), which also restarts the clock and
// the drift's reference and clears the Poinsot paths.
void MainWindow::on_actionRestart_from_the_panel_triggered()
{
    stopSimulation();
    glWidget->orientationMatrix = vorlix::identityMatrix();
    glWidget->freeMemoryOfDrawLines();
    on_pushButton_clicked();
}

void MainWindow::on_WX_valueChanged(double WX)
{
    glWidget->omegaX = glWidget->speed * WX;
    restartDriftReference();
}

void MainWindow::on_WY_valueChanged(double WY)
{
    glWidget->omegaY = glWidget->speed * WY;
    restartDriftReference();
}

void MainWindow::on_WZ_valueChanged(double WZ)
{
    glWidget->omegaZ = glWidget->speed * WZ;
    restartDriftReference();
}

void MainWindow::on_speed_valueChanged(double speed)
{
    GLWidget *v = glWidget;
    if (v->speed != 0) {
        // Rescale the evolved angular velocity: its direction in the body is kept.
        v->omegaX = v->omegaX * speed / v->speed;
        v->omegaY = v->omegaY * speed / v->speed;
        v->omegaZ = v->omegaZ * speed / v->speed;
    } else {
        // Nothing to rescale from zero: start again from the panel.
        v->omegaX = ui->WX->value() * speed;
        v->omegaY = ui->WY->value() * speed;
        v->omegaZ = ui->WZ->value() * speed;
    }
    v->speed = speed;
    restartDriftReference();
}

void MainWindow::on_iterPerFrame_valueChanged(double iterPerFrame)
{
    glWidget->iterPerFrame = int(iterPerFrame);
    restartDriftReference();
}

void MainWindow::on_Ix_valueChanged(double)
{
    LoadValues();
}

void MainWindow::on_Iy_valueChanged(double)
{
    LoadValues();
}

void MainWindow::on_Iz_valueChanged(double)
{
    LoadValues();
}

void MainWindow::on_Ell_toggled(bool checked)
{
    glWidget->showEllipsoid = checked;
    glWidget->updateGL();
}

void MainWindow::on_Draw_toggled(bool checked)
{
    glWidget->drawLines = checked;
    if (!checked)
        glWidget->freeMemoryOfDrawLines();
    glWidget->updateGL();
}

void MainWindow::on_xb_toggled(bool checked)
{
    glWidget->drawXLines = checked;
    if (!checked)
        glWidget->freeMemoryOfDrawXLines();
    glWidget->updateGL();
}

void MainWindow::on_yb_toggled(bool checked)
{
    glWidget->drawYLines = checked;
    if (!checked)
        glWidget->freeMemoryOfDrawYLines();
    glWidget->updateGL();
}

void MainWindow::on_zb_toggled(bool checked)
{
    glWidget->drawZLines = checked;
    if (!checked)
        glWidget->freeMemoryOfDrawZLines();
    glWidget->updateGL();
}
