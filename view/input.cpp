// SPDX-License-Identifier: GPL-3.0-or-later
#include "glwidget.h"

#include "ellipsoidpick.h"
#include "scenegeometry.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimer>
#include <QWheelEvent>

namespace {
constexpr double keyTurnDegrees = 2;
constexpr double keyZoomFactor = 1.02;
constexpr double wheelZoomFactor = 1.04;
constexpr double dragDegreesPerExtent = 360;

/// The pointer in whole widget pixels, as the view has always counted it.
QPoint pointerAt(const QMouseEvent *event)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    return event->position().toPoint();
#else
    return event->pos();
#endif
}

// The axis is a world-frame copy of one body axis, so the repaint's world-frame turn
// is a turn of the body about its own axis.
void setBodyTurn(GLWidget &view, int column, double degrees)
{
    view.turnAxisX = view.orientationMatrix[column * 4];
    view.turnAxisY = view.orientationMatrix[column * 4 + 1];
    view.turnAxisZ = view.orientationMatrix[column * 4 + 2];
    view.turnAngle = degrees;
}

/// Returns whether the body was reset.
bool pauseResumeOrReset(GLWidget &view)
{
    if (view.timer->isActive()) {
        view.timer->stop();
        view.pauseState = 1;
        ++view.frameCounter;
    } else if (view.pauseState == 1) {
        view.timer->start(GLWidget::tickIntervalMs);
        view.pauseState = 2;
    } else {
        view.resetOrientation = 1;
        view.resetView = 1;
        view.zoom = vorlix::defaultZoom;
        return true;
    }
    return false;
}
} // namespace

void GLWidget::keyPressEvent(QKeyEvent *event)
{
    const double step
        = event->modifiers().testFlag(Qt::ShiftModifier) ? -keyTurnDegrees : keyTurnDegrees;
    bool bodyMoved = false;
    switch (event->key()) {
    case Qt::Key_U:
        setBodyTurn(*this, 0, step);
        bodyMoved = true;
        break;
    case Qt::Key_V:
        setBodyTurn(*this, 1, step);
        bodyMoved = true;
        break;
    case Qt::Key_W:
        setBodyTurn(*this, 2, step);
        bodyMoved = true;
        break;
    case Qt::Key_X:
        viewTurnX = step;
        break;
    case Qt::Key_Y:
        viewTurnY = step;
        break;
    case Qt::Key_Z:
        viewTurnZ = step;
        break;
    case Qt::Key_Left:
        viewTurnY = -keyTurnDegrees;
        break;
    case Qt::Key_Right:
        viewTurnY = keyTurnDegrees;
        break;
    case Qt::Key_Up:
        zoom = float(zoom * keyZoomFactor);
        break;
    case Qt::Key_Down:
        zoom = float(zoom / keyZoomFactor);
        break;
    case Qt::Key_Space:
        bodyMoved = pauseResumeOrReset(*this);
        break;
    default:
        break;
    }
    if (bodyMoved) {
        // Folded in before the frame, so that whatever restarts from the new pose is
        // drawn from it in the same frame.
        applyPendingTurns();
        turnAngle = 0;
        emit motionChangedByHand();
    }
    // The one-shot turns must be applied by exactly one repaint.
    updateGL();
    turnAngle = 0;
    viewTurnX = viewTurnY = viewTurnZ = 0;
    event->accept();
}

void GLWidget::mousePressEvent(QMouseEvent *event)
{
    // The view takes no focus by itself; a click is how the keys reach it.
    setFocus(Qt::OtherFocusReason);
    const QPoint at = pointerAt(event);
    lastMouseX = at.x();
    lastMouseY = at.y();
    // Only where the ellipsoid is on screen: a Ctrl + click on the body alone starts nothing.
    if (event->button() != Qt::LeftButton || !event->modifiers().testFlag(Qt::ControlModifier)
        || !(showEllipsoid || overlays.polhodeFamily))
        return;
    // Aimed at the middle of the pixel under the pointer.
    const std::optional<vorlix::Vector3> picked
        = vorlix::pickEllipsoidPoint(width(), height(), QPointF(at) + QPointF(0.5, 0.5),
            sceneView(), orientationMatrix, { inertiaX, inertiaY, inertiaZ });
    if (picked)
        emit ellipsoidPicked(*picked);
}

void GLWidget::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint at = pointerAt(event);
    viewTurnX = (lastMouseY - at.y()) * dragDegreesPerExtent / height();
    viewTurnY = (lastMouseX - at.x()) * dragDegreesPerExtent / width();
    lastMouseX = at.x();
    lastMouseY = at.y();
    updateGL();
    viewTurnX = viewTurnY = 0;
}

void GLWidget::wheelEvent(QWheelEvent *event)
{
    // A diagonal scroll counts for its larger component, as Qt's own orientation() did.
    const QPoint delta = event->angleDelta();
    if (qAbs(delta.x()) <= qAbs(delta.y())) {
        if (delta.y() > 0)
            zoom = float(zoom * wheelZoomFactor);
        else if (delta.y() < 0)
            zoom = float(zoom / wheelZoomFactor);
        updateGL();
    }
    event->accept();
}
