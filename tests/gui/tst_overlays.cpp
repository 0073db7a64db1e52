// SPDX-License-Identifier: GPL-3.0-or-later
#include "glwidget.h"
#include "testsupport.h"

#include <QAction>
#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QtTest>

using vorlix::Matrix4;
using vorlix::Vector3;

namespace {

const char *const overlayActions[] = { "actionAngular_momentum", "actionAngular_velocity",
    "actionPolhode", "actionInvariable_plane" };

void checkOverlays(ShownWindow &shown, bool on)
{
    for (const char *name : overlayActions)
        shown.child<QAction>(name)->setChecked(on);
}

QImage renderedFrame(GLWidget *view)
{
    view->updateGL();
    return view->grabFrameBuffer();
}

// Arrows are lit, so only their hue is fixed; paths are unlit; the plane is a faint veil.
enum class Look { Yellow, Magenta, LightMagenta, BluishVeil };

bool looksLike(QColor c, Look look)
{
    const int r = c.red(), g = c.green(), b = c.blue();
    switch (look) {
    case Look::Yellow:
        return r > 60 && g > 0.6 * r && b < 0.5 * g;
    case Look::Magenta:
        return r > 60 && qAbs(r - b) < 0.1 * r && g < 0.5 * r;
    case Look::LightMagenta:
        return r > 200 && qAbs(r - b) < 10 && g > 0.6 * r && g < 0.8 * r;
    case Look::BluishVeil:
        return b > 20 && b < 200 && b > r;
    }
    return false;
}

} // namespace

Q_DECLARE_METATYPE(Vector3)
Q_DECLARE_METATYPE(Matrix4)
Q_DECLARE_METATYPE(Look)

class TestOverlays : public QObject {
    Q_OBJECT

private slots:
    void overlaysOffLeaveTheFrameUnchanged();
    void overlayAppearsWhereTheGeometrySays_data();
    void overlayAppearsWhereTheGeometrySays();
    void switchesReachANewViewAndPathsAreCleared();
};

void TestOverlays::overlaysOffLeaveTheFrameUnchanged()
{
    ShownWindow shown(QSize(900, 700));
    QVERIFY(shown.exposed());
    shown.child<QCheckBox>("Draw")->setChecked(true);
    shown.child<QAbstractButton>("xb")->setChecked(true);
    GLWidget *view = shown.view();
    const QImage before = renderedFrame(view);
    checkOverlays(shown, true);
    QVERIFY(renderedFrame(view) != before);
    checkOverlays(shown, false);
    QCOMPARE(renderedFrame(view), before);
}

void TestOverlays::overlayAppearsWhereTheGeometrySays_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<Vector3>("moments");
    QTest::addColumn<Matrix4>("orientation");
    QTest::addColumn<QVector<Vector3>>("omegas");
    QTest::addColumn<QPointF>("point");
    QTest::addColumn<Look>("look");
    QTest::addColumn<bool>("present");

    const Matrix4 identity = vorlix::identityMatrix();
    // I = (1, 2, 3), ω = (1, 0.5, 0): L = (1, 1, 0), T = 0.75, p = 0.65·√(1/1.5)·ω.
    const Vector3 moments { 1, 2, 3 };
    const QVector<Vector3> oblique { { 1, 0.5, 0 } };
    const double c = 0.65 * std::sqrt(1 / 1.5);
    QTest::newRow("L, unit length along (1, 1, 0)")
        << "actionAngular_momentum" << moments << identity << oblique
        << QPointF(0.8 * M_SQRT1_2, 0.8 * M_SQRT1_2) << Look::Yellow << true;
    QTest::newRow("L, not along ω") << "actionAngular_momentum" << moments << identity << oblique
                                    << QPointF(0.8 * 0.894, 0.8 * 0.447) << Look::Yellow << false;
    QTest::newRow("ω, towards the point of contact")
        << "actionAngular_velocity" << moments << identity << oblique << QPointF(0.9 * c, 0.45 * c)
        << Look::Magenta << true;
    QTest::newRow("ω, ends at the point of contact")
        << "actionAngular_velocity" << moments << identity << oblique
        << QPointF(1.15 * c, 0.575 * c) << Look::Magenta << false;

    // On a sphere p = 0.65·ω/|ω|: ω turning from x to y draws a quarter circle in the body.
    QVector<Vector3> quarterTurn;
    for (int degrees = 0; degrees <= 90; degrees += 5)
        quarterTurn.append({ std::cos(qDegreesToRadians(double(degrees))),
            std::sin(qDegreesToRadians(double(degrees))), 0 });
    const double diagonal = 0.65 * M_SQRT1_2;
    QTest::newRow("polhode on the sphere")
        << "actionPolhode" << Vector3 { 1, 1, 1 } << identity << quarterTurn
        << QPointF(diagonal, diagonal) << Look::LightMagenta << true;
    QTest::newRow("polhode turns with the body")
        << "actionPolhode" << Vector3 { 1, 1, 1 } << vorlix::rotation(90, 0, 0, 1) << quarterTurn
        << QPointF(-diagonal, diagonal) << Look::LightMagenta << true;

    // A sphere with L tilted 30° from z towards x: the disc of radius 0.9 is seen as an
    // ellipse of semi-axes 0.9·cos 30° and 0.9, centred at 0.65·sin 30° = 0.325 right.
    const QVector<Vector3> tilted { { 0.5, 0, std::sqrt(0.75) } };
    QTest::newRow("plane, inside the disc, right")
        << "actionInvariable_plane" << Vector3 { 1, 1, 1 } << identity << tilted
        << QPointF(0.9, 0.3) << Look::BluishVeil << true;
    QTest::newRow("plane, outside the disc, left")
        << "actionInvariable_plane" << Vector3 { 1, 1, 1 } << identity << tilted
        << QPointF(-0.55, 0.3) << Look::BluishVeil << false;
}

void TestOverlays::overlayAppearsWhereTheGeometrySays()
{
    QFETCH(QString, action);
    QFETCH(Vector3, moments);
    QFETCH(Matrix4, orientation);
    QFETCH(QVector<Vector3>, omegas);
    QFETCH(QPointF, point);
    QFETCH(Look, look);
    QFETCH(bool, present);

    ShownWindow shown(QSize(900, 700));
    QVERIFY(shown.exposed());
    shown.child<QCheckBox>("Ell")->setChecked(false);
    shown.child<QDoubleSpinBox>("Ix")->setValue(moments.x);
    shown.child<QDoubleSpinBox>("Iy")->setValue(moments.y);
    shown.child<QDoubleSpinBox>("Iz")->setValue(moments.z);
    GLWidget *view = shown.view();
    view->orientationMatrix = orientation;
    shown.child<QAction>(qPrintable(action))->setChecked(true);
    QImage frame;
    for (const Vector3 &w : omegas) {
        view->omegaX = w.x;
        view->omegaY = w.y;
        view->omegaZ = w.z;
        frame = renderedFrame(view);
    }

    const QPoint centre = framePixel(view, point.x(), point.y());
    int matching = 0;
    for (int dy = -3; dy <= 3; ++dy)
        for (int dx = -3; dx <= 3; ++dx)
            matching += looksLike(frame.pixelColor(centre + QPoint(dx, dy)), look);
    QCOMPARE(matching > 0, present);
}

void TestOverlays::switchesReachANewViewAndPathsAreCleared()
{
    ShownWindow shown;
    QVERIFY(shown.exposed());
    checkOverlays(shown, true);
    chooseInNextFileDialog("cylinder.obj");
    QVERIFY(QMetaObject::invokeMethod(&shown.window, "on_actionLoad_triangulated_OBJ_triggered"));
    GLWidget *view = shown.view();
    QVERIFY(view->showAngularMomentum && view->showAngularVelocity && view->showPolhode
        && view->showInvariablePlane);

    shown.click("pushButton");
    QTRY_VERIFY(view->polhode.size() >= 3 && view->herpolhode.size() >= 3);
    shown.click("pushButton");
    shown.child<QDoubleSpinBox>("Ix")->setValue(1.5);
    QVERIFY(view->polhode.size() <= 1 && view->herpolhode.size() <= 1);

    // A full path is still drawn and stops growing.
    view->polhode.assign(GLWidget::poinsotPathCapacity, Vector3 { 0.1, 0.2, 0.3 });
    renderedFrame(view);
    QCOMPARE(view->polhode.size(), GLWidget::poinsotPathCapacity);
}

QTEST_MAIN(TestOverlays)
#include "tst_overlays.moc"
