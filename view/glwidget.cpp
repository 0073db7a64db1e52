// SPDX-License-Identifier: GPL-3.0-or-later
#include "glwidget.h"

#include "rigidbody.h"
#include "scenegeometry.h"

#include <QSurfaceFormat>
#include <QTimer>

#include <algorithm>

GLWidget::GLWidget(const char *bodyFileName, QString textureFileName)
    : QOpenGLWidget(nullptr),
      zoom(vorlix::defaultZoom),
      timer(new QTimer(this)),
      resetOrientation(0),
      resetView(0),
      turnAngle(0),
      viewTurnX(0),
      viewTurnY(0),
      viewTurnZ(0),
      turnAxisX(0),
      turnAxisY(0),
      turnAxisZ(0),
      orientationMatrix(vorlix::identityMatrix()),
      viewMatrix(vorlix::identityMatrix()),
      inertiaX(0),
      inertiaY(0),
      inertiaZ(0),
      inertiaMin(0),
      eulerCoefX(0),
      eulerCoefY(0),
      eulerCoefZ(0),
      omegaX(0),
      omegaY(0),
      omegaZ(0),
      speed(0),
      timePerFrame(0.005),
      showEllipsoid(false),
      drawLines(false),
      drawXLines(false),
      drawYLines(false),
      drawZLines(false),
      frameCounter(0),
      pauseState(0),
      iterPerFrame(1000),
      backgroundColor(Qt::black),
      lineWidth(1.0f),
      lastMouseX(0),
      lastMouseY(0),
      faceCount(0),
      vertexCount(0),
      bodyFileName(bodyFileName),
      textureFileName(textureFileName),
      arrowFileName("arrow.obj3"),
      bodyList(0),
      arrowList(0),
      ellipsoidList(0),
      deltaOmegaX(0),
      deltaOmegaY(0),
      deltaOmegaZ(0),
      xLines(newTraceBuffer()),
      yLines(newTraceBuffer()),
      zLines(newTraceBuffer()),
      xLinesIndex(2),
      yLinesIndex(2),
      zLinesIndex(2),
      run(&ownRun),
      compositionTimer(new QTimer(this))
{
    connect(timer, &QTimer::timeout, this, &GLWidget::rotate);
    compositionTimer->setSingleShot(true);
    connect(compositionTimer, &QTimer::timeout, this, QOverload<>::of(&GLWidget::update));
    connect(this, &QOpenGLWidget::frameSwapped, this, [this] {
        compositionIntervalMs
            = std::max(refreshMs, compositionCostMultiple * lastComposition.elapsed());
    });
    // The scene is drawn with the fixed-function pipeline.
    QSurfaceFormat format = QSurfaceFormat::defaultFormat();
    format.setProfile(QSurfaceFormat::CompatibilityProfile);
    format.setDepthBufferSize(24);
    setFormat(format);
}

GLWidget::~GLWidget()
{
    if (listsCreated) {
        makeCurrent();
        // Each list by its own name: names need not be consecutive.
        for (GLuint list : { bodyList, arrowList, ellipsoidList })
            glDeleteLists(list, 1);
        glDeleteTextures(1, &sphereTexture);
        traceLayer.release();
    }
    delete[] xLines;
    delete[] yLines;
    delete[] zLines;
}

void GLWidget::animate()
{
    timer->start(tickIntervalMs);
}

void GLWidget::pause()
{
    if (timer->isActive())
        timer->stop();
}

// Drawn here rather than through repaint(): Qt holds back a repaint that comes sooner
// than the screen's next refresh, and every tick must draw and record its own frame.
// The window then only composes the frame already drawn, at most once a refresh: each
// composition uploads and blends the whole window, which in software GL costs more than
// a tick.
void GLWidget::updateGL()
{
    if (!isValid() || !isVisible())
        return;
    makeCurrent();
    paintGL();
    glFlush();
    frameAwaitingComposition = true;
    const qint64 sinceComposed = lastComposition.isValid() ? lastComposition.elapsed() : -1;
    if (sinceComposed < 0 || sinceComposed >= compositionIntervalMs)
        update();
    else if (!compositionTimer->isActive())
        compositionTimer->start(int(compositionIntervalMs - sinceComposed));
}

void GLWidget::paintEvent(QPaintEvent *event)
{
    lastComposition.start();
    if (frameAwaitingComposition)
        frameAwaitingComposition = false;
    else
        QOpenGLWidget::paintEvent(event);
}

void GLWidget::rotate()
{
    const vorlix::DivergenceCause cause = advanceTick(timePerFrame);
    if (cause != vorlix::DivergenceCause::None) {
        // Nothing continues from a state the body cannot be in; the view keeps the last
        // one it could, which is still on screen.
        timer->stop();
        run->divergedSinceStart = true;
        emit diverged(cause);
        return;
    }
    ++frameCounter;
    updateGL();
}

vorlix::DivergenceCause GLWidget::advanceTick(double seconds)
{
    vorlix::RigidBodyState body;
    body.moments = { inertiaX, inertiaY, inertiaZ };
    body.coefficients = { eulerCoefX, eulerCoefY, eulerCoefZ };
    body.omega = { omegaX, omegaY, omegaZ };
    body.lastIncrement = { deltaOmegaX, deltaOmegaY, deltaOmegaZ };
    body.orientation = orientationMatrix;

    const double duration = iterPerFrame > 0 ? seconds : 0;
    run->exact.advance(duration);
    if (run->followsExactMotion()) {
        // Sampled at the run's clock rather than stepped from the last tick: nothing
        // drifts, whatever Speed and the iterations are.
        const vorlix::ExactMotion::Sample &exact = run->exact.state();
        body.lastIncrement = exact.omega - body.omega;
        body.omega = exact.omega;
        body.orientation = exact.orientation;
    } else {
        vorlix::integrateFrame(body, seconds, iterPerFrame, *run->stepper);
    }

    const vorlix::DivergenceCause cause = vorlix::divergenceCause(body.moments, body.omega,
        body.orientation, run->referenceEnergy, run->referenceMomentum, speed);
    if (cause != vorlix::DivergenceCause::None)
        return cause;
    omegaX = body.omega.x;
    omegaY = body.omega.y;
    omegaZ = body.omega.z;
    deltaOmegaX = body.lastIncrement.x;
    deltaOmegaY = body.lastIncrement.y;
    deltaOmegaZ = body.lastIncrement.z;
    orientationMatrix = body.orientation;
    run->advanceClock(duration, body.omega, body.orientation);
    return vorlix::DivergenceCause::None;
}

void GLWidget::useTraceLayer(bool enabled, int minimumPoints)
{
    incrementalTraces = enabled;
    traceLayerMinimumPoints = minimumPoints;
}
