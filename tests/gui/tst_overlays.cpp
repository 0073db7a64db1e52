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

static QImage renderedFrame(GLWidget *view)
{
    view->updateGL();
    return view->grabFrameBuffer();
}

// Arrows are lit (only their hue is fixed), paths unlit, the plane a faint veil.
static bool looksLike(const QString &colour, QColor c)
{
    const int r = c.red(), g = c.green(), b = c.blue();
    if (colour == "yellow")
        return r > 60 && g > 0.6 * r && b < 0.5 * g;
    if (colour == "magenta")
        return r > 60 && qAbs(r - b) < 0.1 * r && g < 0.5 * r;
    if (colour == "light magenta")
        return r > 200 && r == b && qAbs(g - 0.7 * r) < 0.1 * r;
    return b > 20 && b < 200 && b > r; // the veil
}

class TestOverlays : public QObject {
    Q_OBJECT
private slots:
    void offLeavesTheFrameUnchanged()
    {
        ShownWindow shown(QSize(900, 700));
        QVERIFY(shown.exposed());
        const QImage before = renderedFrame(shown.view());
        checkOverlays(shown, true);
        QVERIFY(renderedFrame(shown.view()) != before);
        checkOverlays(shown, false);
        QCOMPARE(renderedFrame(shown.view()), before);
    }
    void appearsWhereTheGeometrySays_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<bool>("sphere"); // or I = (1, 2, 3)
        QTest::addColumn<vorlix::Matrix4>("orientation");
        QTest::addColumn<double>("turn"); // ω sweeps from its direction by this many degrees
        QTest::addColumn<Vector3>("omega");
        QTest::addColumn<QPointF>("point");
        QTest::addColumn<QString>("colour");
        QTest::addColumn<bool>("present");
        const vorlix::Matrix4 one = vorlix::identityMatrix();
        // I = (1, 2, 3), ω = (1, 0.5, 0): L along (1, 1, 0), p = 0.65·√(1 / 2T)·ω with 2T = 1.5.
        const double c = 0.65 / std::sqrt(1.5), d = 0.65 * M_SQRT1_2;
        const Vector3 w { 1, 0.5, 0 };
        QTest::newRow("L: yellow, unit length along L")
            << "actionAngular_momentum" << false << one << 0.0 << w
            << QPointF(0.8 * M_SQRT1_2, 0.8 * M_SQRT1_2) << "yellow" << true;
        QTest::newRow("L: not along ω") << "actionAngular_momentum" << false << one << 0.0 << w
                                        << QPointF(0.716, 0.358) << "yellow" << false;
        QTest::newRow("ω: magenta, to p") << "actionAngular_velocity" << false << one << 0.0 << w
                                          << QPointF(0.9 * c, 0.45 * c) << "magenta" << true;
        QTest::newRow("ω: ends at p") << "actionAngular_velocity" << false << one << 0.0 << w
                                      << QPointF(1.15 * c, 0.575 * c) << "magenta" << false;
        // On a sphere p = 0.65·ω̂: ω turning from x to y draws a quarter circle in the body.
        QTest::newRow("polhode: on the sphere")
            << "actionPolhode" << true << one << 90.0 << Vector3 { 1, 0, 0 } << QPointF(d, d)
            << "light magenta" << true;
        QTest::newRow("polhode: turns with the body")
            << "actionPolhode" << true << vorlix::rotation(90, 0, 0, 1) << 90.0
            << Vector3 { 1, 0, 0 } << QPointF(-d, d) << "light magenta" << true;
        // A sphere, L tilted 30° from z to x: the disc, radius 0.9, is seen as an ellipse of
        // semi-axes 0.9·cos 30° and 0.9 centred at 0.65·sin 30° to the right.
        const Vector3 tilted { 0.5, 0, std::sqrt(0.75) };
        QTest::newRow("plane: inside, right") << "actionInvariable_plane" << true << one << 0.0
                                              << tilted << QPointF(0.9, 0.3) << "veil" << true;
        QTest::newRow("plane: outside, left") << "actionInvariable_plane" << true << one << 0.0
                                              << tilted << QPointF(-0.55, 0.3) << "veil" << false;
    }
    void appearsWhereTheGeometrySays()
    {
        QFETCH(QString, action);
        QFETCH(bool, sphere);
        QFETCH(vorlix::Matrix4, orientation);
        QFETCH(double, turn);
        QFETCH(Vector3, omega);
        QFETCH(QPointF, point);
        QFETCH(QString, colour);
        QFETCH(bool, present);
        ShownWindow shown(QSize(900, 700));
        QVERIFY(shown.exposed());
        shown.child<QCheckBox>("Ell")->setChecked(false);
        for (const char *box : { "Ix", "Iy", "Iz" })
            shown.child<QDoubleSpinBox>(box)->setValue(sphere ? 1 : 1 + (box[1] - 'x'));
        GLWidget *view = shown.view();
        view->orientationMatrix = orientation;
        shown.child<QAction>(qPrintable(action))->setChecked(true);
        QImage frame;
        for (double a = 0; a <= turn; a += 5) { // about z
            const Vector3 w = vorlix::toWorld(vorlix::rotation(a, 0, 0, 1), omega);
            std::tie(view->omegaX, view->omegaY, view->omegaZ) = std::tie(w.x, w.y, w.z);
            frame = renderedFrame(view);
        }
        const QPoint centre = framePixel(view, point.x(), point.y());
        int matching = 0;
        for (int dy = -3; dy <= 3; ++dy)
            for (int dx = -3; dx <= 3; ++dx)
                matching += looksLike(colour, frame.pixelColor(centre + QPoint(dx, dy)));
        QCOMPARE(matching > 0, present);
    }
    void switchesReachANewViewAndPanelClearsPaths()
    {
        ShownWindow shown;
        QVERIFY(shown.exposed());
        checkOverlays(shown, true);
        chooseInNextFileDialog("cylinder.obj");
        QVERIFY(
            QMetaObject::invokeMethod(&shown.window, "on_actionLoad_triangulated_OBJ_triggered"));
        GLWidget *view = shown.view();
        QVERIFY(view->showAngularMomentum && view->showAngularVelocity && view->showPolhode
            && view->showInvariablePlane);
        shown.click("pushButton");
        QTRY_VERIFY(view->polhode.size() >= 3 && view->herpolhode.size() >= 3);
        shown.click("pushButton");
        shown.child<QDoubleSpinBox>("Ix")->setValue(1.5);
        QVERIFY(view->polhode.size() <= 1 && view->herpolhode.size() <= 1);
    }
};

QTEST_MAIN(TestOverlays)
#include "tst_overlays.moc"
