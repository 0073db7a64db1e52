// SPDX-License-Identifier: GPL-3.0-or-later
#include "../core/matrixcompare.h"
#include "glwidget.h"
#include "mainwindow.h"
#include "matrix4.h"
#include "testsupport.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QKeyEvent>
#include <QPushButton>
#include <QTimer>
#include <QWheelEvent>
#include <QtMath>
#include <QtTest>
#include <memory>

using vorlix::Matrix4;

namespace {

Matrix4 turnAbout(int axis, double degrees)
{
    return vorlix::rotation(degrees, axis == 0, axis == 1, axis == 2);
}

/// Every repaint with the X trace shown adds one point: a repaint counter.
struct CountingWindow : ShownWindow {
    int repaints() const { return GLWidget::tracePointCount(view()->xLinesIndex); }
};

} // namespace

class ViewControlsTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        w = std::make_unique<CountingWindow>();
        QVERIFY(w->exposed());
        view = w->view();
    }
    void cleanup() { w.reset(); }

    void bodyTurnKeys_data()
    {
        QTest::addColumn<Qt::Key>("key");
        QTest::addColumn<int>("bodyAxis");

        QTest::newRow("U turns about the body's X axis") << Qt::Key_U << 0;
        QTest::newRow("V turns about the body's Y axis") << Qt::Key_V << 1;
        QTest::newRow("W turns about the body's Z axis") << Qt::Key_W << 2;
    }
    void bodyTurnKeys()
    {
        QFETCH(Qt::Key, key);
        QFETCH(int, bodyAxis);

        const Matrix4 start = vorlix::rotation(40, 1, 2, 3);
        view->orientationMatrix = start;
        view->omegaX = 0.3;
        view->omegaY = -1.2;
        view->omegaZ = 2.5;

        QTest::keyPress(view, key);
        const Matrix4 turned = view->orientationMatrix;
        const auto column = [](const Matrix4 &m, int c, int row) { return m[(c % 3) * 4 + row]; };
        // The turn axis is the body's own axis, which therefore stays where it was, while
        // the next axis moves 2 degrees towards the one after it (right-hand rule).
        const double c = qCos(qDegreesToRadians(2.0));
        const double s = qSin(qDegreesToRadians(2.0));
        for (int row = 0; row < 3; ++row) {
            QVERIFY(qAbs(column(turned, bodyAxis, row) - column(start, bodyAxis, row))
                < entryTolerance);
            const double expected
                = c * column(start, bodyAxis + 1, row) + s * column(start, bodyAxis + 2, row);
            QVERIFY(qAbs(column(turned, bodyAxis + 1, row) - expected) < entryTolerance);
        }
        QCOMPARE(view->turnAngle, 0.0);

        QTest::keyPress(view, key, Qt::ShiftModifier);
        COMPARE_MATRIX(view->orientationMatrix, start);
        QCOMPARE(view->omegaX, 0.3);
        QCOMPARE(view->omegaY, -1.2);
        QCOMPARE(view->omegaZ, 2.5);
    }
    void viewTurnKeys_data()
    {
        QTest::addColumn<Qt::Key>("key");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<int>("screenAxis");
        QTest::addColumn<double>("degrees");

        const Qt::KeyboardModifiers none = Qt::NoModifier;
        const Qt::KeyboardModifiers shift = Qt::ShiftModifier;
        const Qt::KeyboardModifiers ctrl = Qt::ControlModifier;
        QTest::newRow("X") << Qt::Key_X << none << 0 << 2.0;
        QTest::newRow("Shift+X") << Qt::Key_X << shift << 0 << -2.0;
        QTest::newRow("Y") << Qt::Key_Y << none << 1 << 2.0;
        QTest::newRow("Shift+Y") << Qt::Key_Y << shift << 1 << -2.0;
        QTest::newRow("Z") << Qt::Key_Z << none << 2 << 2.0;
        QTest::newRow("Shift+Z") << Qt::Key_Z << shift << 2 << -2.0;
        QTest::newRow("Right acts as Y") << Qt::Key_Right << none << 1 << 2.0;
        QTest::newRow("Left acts as Shift+Y") << Qt::Key_Left << none << 1 << -2.0;
        QTest::newRow("Shift leaves Right alone") << Qt::Key_Right << shift << 1 << 2.0;
        QTest::newRow("Shift leaves Left alone") << Qt::Key_Left << shift << 1 << -2.0;
        QTest::newRow("Ctrl+Y acts as Y") << Qt::Key_Y << ctrl << 1 << 2.0;
        QTest::newRow("Ctrl+Shift+Y acts as Shift+Y") << Qt::Key_Y << (ctrl | shift) << 1 << -2.0;
        QTest::newRow("Alt+Z acts as Z")
            << Qt::Key_Z << Qt::KeyboardModifiers(Qt::AltModifier) << 2 << 2.0;
    }
    void viewTurnKeys()
    {
        QFETCH(Qt::Key, key);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(int, screenAxis);
        QFETCH(double, degrees);

        const Matrix4 start = vorlix::rotation(30, 1, 1, 0);
        const Matrix4 orientation = vorlix::rotation(-70, 0, 2, 1);
        view->viewMatrix = start;
        view->orientationMatrix = orientation;

        QTest::keyPress(view, key, modifiers);
        // A turn about the screen's axis acts before everything the view already holds.
        const Matrix4 expected = vorlix::multiply(turnAbout(screenAxis, degrees), start);
        COMPARE_MATRIX(view->viewMatrix, expected);

        // The turn was one-shot: a later repaint does not repeat it.
        view->updateGL();
        COMPARE_MATRIX(view->viewMatrix, expected);
        QCOMPARE(view->orientationMatrix, orientation);
    }
    void otherKeysOnlyRepaint_data()
    {
        QTest::addColumn<Qt::Key>("key");

        QTest::newRow("letter") << Qt::Key_A;
        QTest::newRow("function key") << Qt::Key_F5;
        QTest::newRow("Escape") << Qt::Key_Escape;
        QTest::newRow("Return") << Qt::Key_Return;
        QTest::newRow("Shift on its own") << Qt::Key_Shift;
        QTest::newRow("digit") << Qt::Key_2;
    }
    void otherKeysOnlyRepaint()
    {
        QFETCH(Qt::Key, key);

        w->child<QCheckBox>("Draw")->setChecked(true);
        const Matrix4 orientation = vorlix::rotation(10, 0, 1, 0);
        const Matrix4 viewTurn = vorlix::rotation(20, 1, 0, 0);
        view->orientationMatrix = orientation;
        view->viewMatrix = viewTurn;
        view->zoom = 1.25f;
        const int before = w->repaints();

        // Sent as a plain event so that its acceptance can be seen: the view keeps every key.
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(view, &press);

        QVERIFY(press.isAccepted());
        QCOMPARE(w->repaints(), before + 1);
        QCOMPARE(view->orientationMatrix, orientation);
        QCOMPARE(view->viewMatrix, viewTurn);
        QCOMPARE(view->zoom, 1.25f);
        QVERIFY(!view->timer->isActive());
    }
    void zoomKeysUndoEachOther_data()
    {
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");

        QTest::newRow("plain") << Qt::KeyboardModifiers(Qt::NoModifier);
        QTest::newRow("Shift changes nothing") << Qt::KeyboardModifiers(Qt::ShiftModifier);
    }
    void zoomKeysUndoEachOther()
    {
        QFETCH(Qt::KeyboardModifiers, modifiers);

        const float start = view->zoom;

        for (int i = 0; i < 10; ++i)
            QTest::keyPress(view, Qt::Key_Up, modifiers);
        QCOMPARE(view->zoom, float(start * qPow(1.02, 10)));
        for (int i = 0; i < 10; ++i)
            QTest::keyPress(view, Qt::Key_Down, modifiers);
        QCOMPARE(view->zoom, start);
    }
    void dragTurnsView_data()
    {
        QTest::addColumn<QPoint>("from");
        QTest::addColumn<QVector<QPoint>>("path");
        QTest::addColumn<int>("screenAxis");
        QTest::addColumn<double>("degrees");

        // In an 800 x 600 view, 360 degrees per width horizontally and per height vertically.
        const QPoint start(300, 200);
        QVector<QPoint> pixelByPixel;
        for (int x = 1; x <= 100; ++x)
            pixelByPixel << start + QPoint(x, 0);

        QTest::newRow("100 px right at once")
            << start << QVector<QPoint> { start + QPoint(100, 0) } << 1 << -45.0;
        QTest::newRow("100 px right in four moves")
            << start
            << QVector<QPoint> { start + QPoint(25, 0), start + QPoint(50, 0),
                   start + QPoint(75, 0), start + QPoint(100, 0) }
            << 1 << -45.0;
        QTest::newRow("100 px right, overshooting and coming back")
            << start
            << QVector<QPoint> { start + QPoint(130, 0), start + QPoint(70, 0),
                   start + QPoint(100, 0) }
            << 1 << -45.0;
        QTest::newRow("100 px right pixel by pixel") << start << pixelByPixel << 1 << -45.0;
        QTest::newRow("100 px left")
            << start << QVector<QPoint> { start + QPoint(-100, 0) } << 1 << 45.0;
        QTest::newRow("150 px down at once")
            << start << QVector<QPoint> { start + QPoint(0, 150) } << 0 << -90.0;
        QTest::newRow("150 px down in three moves")
            << start
            << QVector<QPoint> { start + QPoint(0, 20), start + QPoint(0, 90),
                   start + QPoint(0, 150) }
            << 0 << -90.0;
        QTest::newRow("150 px up")
            << start << QVector<QPoint> { start + QPoint(0, -150) } << 0 << 90.0;
    }
    void dragTurnsView()
    {
        QFETCH(QPoint, from);
        QFETCH(QVector<QPoint>, path);
        QFETCH(int, screenAxis);
        QFETCH(double, degrees);

        // A view of its own, so that its size is exactly the one asked for.
        GLWidget alone("cylinder.obj", "");
        alone.resize(800, 600);
        alone.show();
        QVERIFY(QTest::qWaitForWindowExposed(&alone));
        QCOMPARE(alone.size(), QSize(800, 600));

        drag(&alone, from, path);

        COMPARE_MATRIX(alone.viewMatrix, turnAbout(screenAxis, degrees));
        QCOMPARE(alone.viewTurnX, 0.0);
        QCOMPARE(alone.viewTurnY, 0.0);
        QCOMPARE(QPoint(alone.lastMouseX, alone.lastMouseY), path.last());
    }
    void wheel_data()
    {
        QTest::addColumn<QPoint>("angleDelta");
        QTest::addColumn<double>("zoomFactor");
        QTest::addColumn<bool>("repaints");

        QTest::newRow("one notch up") << QPoint(0, 120) << 1.04 << true;
        QTest::newRow("one notch down") << QPoint(0, -120) << 1 / 1.04 << true;
        QTest::newRow("fine step up counts as a notch") << QPoint(0, 15) << 1.04 << true;
        QTest::newRow("four notches at once count as one") << QPoint(0, 480) << 1.04 << true;
        QTest::newRow("zero delta repaints only") << QPoint(0, 0) << 1.0 << true;
        QTest::newRow("horizontal right") << QPoint(120, 0) << 1.0 << false;
        QTest::newRow("horizontal left") << QPoint(-120, 0) << 1.0 << false;
        QTest::newRow("diagonal, mostly vertical") << QPoint(40, -120) << 1 / 1.04 << true;
        QTest::newRow("diagonal, mostly horizontal") << QPoint(120, 40) << 1.0 << false;
    }
    void wheel()
    {
        QFETCH(QPoint, angleDelta);
        QFETCH(double, zoomFactor);
        QFETCH(bool, repaints);

        w->child<QCheckBox>("Draw")->setChecked(true);
        const float start = view->zoom;
        const int before = w->repaints();

        const QPoint at(view->width() / 2, view->height() / 2);
        QWheelEvent event(at, view->mapToGlobal(at), QPoint(), angleDelta, Qt::NoButton,
            Qt::NoModifier, Qt::NoScrollPhase, false);
        // Ignored on the way in: only the view's own acceptance can keep it from the parents.
        event.ignore();
        QApplication::sendEvent(view, &event);

        QVERIFY(event.isAccepted());
        QCOMPARE(view->zoom, float(start * zoomFactor));
        QCOMPARE(w->repaints(), before + (repaints ? 1 : 0));
    }
    void spacePausesAndResumesARunningView()
    {
        QTest::mouseClick(w->child<QPushButton>("pushButton"), Qt::LeftButton);
        QVERIFY(view->timer->isActive());
        QVERIFY(w->window.fpsTimer->isActive());
        const float zoom = view->zoom;
        view->frameCounter = 7;

        QTest::keyPress(view, Qt::Key_Space);
        QVERIFY(!view->timer->isActive());
        QCOMPARE(view->pauseState, 1);
        QCOMPARE(view->frameCounter, 8);
        QVERIFY(w->window.fpsTimer->isActive());

        QTest::keyPress(view, Qt::Key_Space);
        QVERIFY(view->timer->isActive());
        QCOMPARE(view->timer->interval(), 4);
        QCOMPARE(view->pauseState, 2);
        QCOMPARE(view->frameCounter, 8);
        QCOMPARE(view->zoom, zoom);
    }
    void spaceResetsAStoppedView_data()
    {
        QTest::addColumn<QStringList>("before");

        QTest::newRow("never started") << QStringList();
        QTest::newRow("after Stop") << QStringList { "button", "button" };
        QTest::newRow("after Stop of a view resumed by Space")
            << QStringList { "button", "space", "space", "button" };
    }
    void spaceResetsAStoppedView()
    {
        QFETCH(QStringList, before);

        for (const QString &step : before) {
            if (step == "button")
                QTest::mouseClick(w->child<QPushButton>("pushButton"), Qt::LeftButton);
            else
                QTest::keyPress(view, Qt::Key_Space);
        }
        QVERIFY(!view->timer->isActive());
        const int pauseState = view->pauseState;
        w->child<QCheckBox>("Draw")->setChecked(true);

        for (int round = 1; round <= 2; ++round) {
            view->orientationMatrix = vorlix::rotation(50.0 * round, 1, 0, 1);
            view->viewMatrix = vorlix::rotation(-20.0 * round, 0, 1, 0);
            view->zoom = 1.5f * round;
            view->omegaX = 0.5;
            view->omegaY = -0.25;
            view->omegaZ = 4;
            const int points = w->repaints();

            QTest::keyPress(view, Qt::Key_Space);

            QCOMPARE(view->orientationMatrix, vorlix::identityMatrix());
            QCOMPARE(view->viewMatrix, vorlix::identityMatrix());
            QCOMPARE(view->zoom, 0.7f);
            QCOMPARE(view->omegaX, 0.5);
            QCOMPARE(view->omegaY, -0.25);
            QCOMPARE(view->omegaZ, 4.0);
            QVERIFY(!view->timer->isActive());
            QCOMPARE(view->pauseState, pauseState);
            QCOMPARE(w->repaints(), points + 1);
        }
    }
    void keysNeedTheFocusAClickGives()
    {
        w->child<QCheckBox>("Draw")->setChecked(true);
        w->child<QDoubleSpinBox>("Ix")->setFocus();
        QVERIFY(w->window.focusWidget() != view);
        const int before = w->repaints();

        // Keys typed into the window go to whichever widget has the focus.
        QTest::keyClick(w->window.windowHandle(), Qt::Key_X);
        QCOMPARE(view->viewMatrix, vorlix::identityMatrix());
        QCOMPARE(w->repaints(), before);

        const QPoint at(view->width() / 3, view->height() / 4);
        clickThroughWindow(view, at);
        QCOMPARE(w->window.focusWidget(), view);
        QCOMPARE(QPoint(view->lastMouseX, view->lastMouseY), at);
        QCOMPARE(w->repaints(), before);

        QTest::keyClick(w->window.windowHandle(), Qt::Key_X);
        COMPARE_MATRIX(view->viewMatrix, turnAbout(0, 2));
        QCOMPARE(w->repaints(), before + 1);
    }

private:
    std::unique_ptr<CountingWindow> w;
    GLWidget *view = nullptr;
};

QTEST_MAIN(ViewControlsTest)
#include "tst_viewcontrols.moc"
