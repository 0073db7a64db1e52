// SPDX-License-Identifier: GPL-3.0-or-later
#include "glwidget.h"
#include "testsupport.h"

#include <QAction>
#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QtTest>

using vorlix::Vector3;
Q_DECLARE_METATYPE(vorlix::Matrix4)
Q_DECLARE_METATYPE(vorlix::Vector3)

static void checkOverlays(ShownWindow &shown, bool on)
{
    for (const char *name : { "actionAngular_momentum", "actionAngular_velocity", "actionPolhode",
             "actionInvariable_plane" })
        shown.child<QAction>(name)->setChecked(on);
}

class TestOverlays : public QObject {
    Q_OBJECT
private slots:
    void offLeavesTheFrameUnchanged()
    {
        verifyFrameUnchangedWhenOff({ "actionAngular_momentum", "actionAngular_velocity",
            "actionPolhode", "actionInvariable_plane" });
    }
    void appearsWhereTheGeometrySays_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<vorlix::Matrix4>("orientation");
        QTest::addColumn<double>("turn"); // ω sweeps from its direction by this many degrees
        QTest::addColumn<Vector3>("omega");
        QTest::addColumn<QColor>("colour");
        QTest::addColumn<QPointF>("inside");
        QTest::addColumn<QPointF>("outside");
        const vorlix::Matrix4 one = vorlix::identityMatrix();
        // I = (1, 2, 3) as the first preset has it. ω = (1, 0.5, 0): L along (1, 1, 0),
        // p = 0.65·√(1 / 2T)·ω with 2T = 1.5.
        const double c = 0.65 / std::sqrt(1.5), e = c * M_SQRT1_2;
        const Vector3 w { 1, 0.5, 0 };
        QTest::newRow("L: unit length along L, not along ω")
            << "actionAngular_momentum" << one << 0.0 << w << QColor::fromRgbF(1, 0.85, 0.2)
            << QPointF(0.8 * M_SQRT1_2, 0.8 * M_SQRT1_2) << QPointF(0.716, 0.358);
        QTest::newRow("ω: to p, no further")
            << "actionAngular_velocity" << one << 0.0 << w << QColor::fromRgbF(1, 0.3, 1)
            << QPointF(0.9 * c, 0.45 * c) << QPointF(1.15 * c, 0.575 * c);
        // ω turning from x to y passes (1, 1, 0) with the same 2T; the body's quarter turn about
        // z carries that point of the polhode from the first quadrant to the second.
        QTest::newRow("polhode: on the ellipsoid, turning with the body")
            << "actionPolhode" << vorlix::rotation(90, 0, 0, 1) << 90.0 << Vector3 { 1, 0, 0 }
            << QColor::fromRgbF(1, 0.7, 1) << QPointF(-e, e) << QPointF(e, e);
        // ω = (√3, 0, 1): L = (√3, 0, 3), 30° from z to x, d = 0.65·√(1 / 6)·6 / √12. The disc
        // is seen as an ellipse, semi-axes 0.9·cos 30° and 0.9, centred d·sin 30° = 0.23 right.
        QTest::newRow("plane: the disc about L's foot")
            << "actionInvariable_plane" << one << 0.0 << Vector3 { std::sqrt(3), 0, 1 }
            << QColor::fromRgbF(0.6, 0.8, 1) << QPointF(0.9, 0.3) << QPointF(-0.6, 0.3);
    }
    void appearsWhereTheGeometrySays()
    {
        QFETCH(QString, action);
        QFETCH(vorlix::Matrix4, orientation);
        QFETCH(double, turn);
        QFETCH(Vector3, omega);
        QFETCH(QColor, colour);
        QFETCH(QPointF, inside);
        QFETCH(QPointF, outside);
        ShownWindow shown(QSize(900, 700));
        QVERIFY(shown.exposed());
        shown.child<QCheckBox>("Ell")->setChecked(false);
        GLWidget *view = shown.view();
        view->orientationMatrix = orientation;
        shown.child<QAction>(qPrintable(action))->setChecked(true);
        QImage frame;
        for (double a = 0; a <= turn; a += 5) { // about z
            const Vector3 w = vorlix::toWorld(vorlix::rotation(a, 0, 0, 1), omega);
            std::tie(view->omegaX, view->omegaY, view->omegaZ) = std::tie(w.x, w.y, w.z);
            frame = renderedFrame(view);
        }
        QVERIFY(showsNear(frame, framePixel(view, inside.x(), inside.y()), colour));
        QVERIFY(!showsNear(frame, framePixel(view, outside.x(), outside.y()), colour));
    }
    void switchesReachANewViewAndPanelClearsPaths()
    {
        ShownWindow shown;
        QVERIFY(shown.exposed());
        checkOverlays(shown, true);
        const DialogScript script({ chooseFile("cylinder.obj") });
        QVERIFY(
            QMetaObject::invokeMethod(&shown.window, "on_actionLoad_triangulated_OBJ_triggered"));
        GLWidget *view = shown.view();
        QVERIFY(view->overlays.angularMomentum && view->overlays.angularVelocity
            && view->overlays.polhode && view->overlays.invariablePlane);
        shown.click("pushButton");
        QTRY_VERIFY(view->run->polhode.size() >= 3 && view->run->herpolhode.size() >= 3);
        shown.click("pushButton");
        shown.child<QDoubleSpinBox>("Ix")->setValue(1.5);
        QVERIFY(view->run->polhode.size() <= 1 && view->run->herpolhode.size() <= 1);
    }
};

QTEST_MAIN(TestOverlays)
#include "tst_overlays.moc"
