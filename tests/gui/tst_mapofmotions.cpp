// SPDX-License-Identifier: GPL-3.0-or-later
#include "ellipsoidpick.h"
#include "glwidget.h"
#include "invariants.h"
#include "testsupport.h"

#include <QtTest>

using vorlix::kineticEnergy;
using vorlix::Vector3;
Q_DECLARE_METATYPE(vorlix::Matrix4)
Q_DECLARE_METATYPE(vorlix::Vector3)

static Vector3 unit(const Vector3 &v)
{
    return (1 / vorlix::norm(v)) * v;
}
static void setOmega(GLWidget *view, const Vector3 &w)
{
    std::tie(view->omegaX, view->omegaY, view->omegaZ) = std::tie(w.x, w.y, w.z);
}
class TestMapOfMotions : public QObject {
    Q_OBJECT
private slots:
    void offLeavesTheFrameUnchanged()
    {
        verifyFrameUnchangedWhenOff({ "actionPolhode_family", "actionBody_and_space_cones",
            "actionLook_along_L", "actionRide_with_body" });
    }
    void drawsWhereTheGeometrySays_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<double>("omegaTurn"); // degrees about z per degree of the sweep
        QTest::addColumn<double>("bodyTurn");
        QTest::addColumn<QColor>("colour");
        QTest::addColumn<QPointF>("inside");
        QTest::addColumn<QPointF>("outside");
        // I = (1, 2, 3): the separatrix lies in the planes x = ±√3·z, seen along z as the
        // circle of radius 0.65·√(1/2); it crosses y = 0 on the near half at x = 0.65·√(1/2).
        QTest::newRow("separatrix")
            << "actionPolhode_family" << 0.0 << 0.0 << QColor::fromRgbF(0.75, 1, 0.9)
            << QPointF(0.46, 0) << QPointF(0.58, 0);
        // ω turns from x to y in the body while the body turns back: the body cone is the
        // quarter disc from x to −y in space, the space cone a line along x.
        QTest::newRow("body cone")
            << "actionBody_and_space_cones" << 1.0 << -1.0 << QColor::fromRgbF(1, 0.5, 0.1)
            << QPointF(0.2, -0.2) << QPointF(0.2, 0.2);
        // ω stays along x in the body while the body turns: the space cone is the quarter disc
        // from x to y, the body cone a line.
        QTest::newRow("space cone")
            << "actionBody_and_space_cones" << 0.0 << 1.0 << QColor::fromRgbF(0.3, 0.5, 1)
            << QPointF(0.2, 0.2) << QPointF(0.2, -0.2);
    }
    void drawsWhereTheGeometrySays()
    {
        QFETCH(QString, action);
        QFETCH(double, omegaTurn);
        QFETCH(double, bodyTurn);
        QFETCH(QColor, colour);
        QFETCH(QPointF, inside);
        QFETCH(QPointF, outside);
        ShownWindow shown(QSize(900, 700));
        QVERIFY(shown.exposed());
        shown.child<QCheckBox>("Ell")->setChecked(false);
        GLWidget *view = shown.view();
        view->zoom = 0.05f; // the body out of the way
        shown.child<QAction>(qPrintable(action))->setChecked(true);
        QImage frame;
        for (double a = 0; a <= 90; a += 5) {
            setOmega(view, vorlix::toWorld(vorlix::rotation(omegaTurn * a, 0, 0, 1), { 1, 0, 0 }));
            view->orientationMatrix = vorlix::rotation(bodyTurn * a, 0, 0, 1);
            frame = renderedFrame(view);
        }
        QVERIFY(showsNear(frame, framePixel(view, inside.x(), inside.y()), colour));
        QVERIFY(!showsNear(frame, framePixel(view, outside.x(), outside.y()), colour));
    }
    void ctrlClickStartsAlongThePoint_data()
    {
        QTest::addColumn<vorlix::Matrix4>("orientation");
        QTest::addColumn<Vector3>("direction"); // body frame; zero: a click beside the ellipsoid
        QTest::newRow("centre: the near pole") << vorlix::identityMatrix() << Vector3 { 0, 0, -1 };
        const vorlix::Matrix4 turned = vorlix::rotation(40, 1, 1, 0); // (0.2, −0.3, −1) faces us
        QTest::newRow("turned body, off centre") << turned << unit({ 0.2, -0.3, -1 });
        QTest::newRow("miss") << turned << Vector3 {};
    }
    void ctrlClickStartsAlongThePoint()
    {
        QFETCH(vorlix::Matrix4, orientation);
        QFETCH(Vector3, direction);
        ShownWindow shown(QSize(900, 700));
        QVERIFY(shown.exposed());
        GLWidget *view = shown.view();
        view->orientationMatrix = orientation;
        const Vector3 moments { view->inertiaX, view->inertiaY, view->inertiaZ };
        const Ui_MainWindowClass &ui = shown.ui();
        const auto panelOmega = [&] {
            return Vector3 { ui.WX->value(), ui.WY->value(), ui.WZ->value() };
        };
        const Vector3 before = panelOmega();
        const bool hits = vorlix::norm(direction) > 0;
        const double scale
            = vorlix::ellipsoidRadius * std::sqrt(0.5 / vorlix::kineticEnergy(moments, direction));
        const QPointF at = !hits ? QPointF(3, 3)
                                 : vorlix::widgetPosition(view->width(), view->height(),
                                     scale * direction, view->viewMatrix, orientation);
        QTest::mouseClick(shown.window.windowHandle(), Qt::LeftButton, Qt::ControlModifier,
            view->mapTo(&shown.window, at.toPoint()));
        const Vector3 after = panelOmega();
        QCOMPARE(view->timer->isActive(), hits);
        QVERIFY(hits || (after.x == before.x && after.y == before.y && after.z == before.z));
        QVERIFY(!hits || vorlix::dot(unit(after), direction) > std::cos(M_PI / 180));
        QVERIFY(qAbs(kineticEnergy(moments, after) / kineticEnergy(moments, before) - 1) < 1e-5);
        QVERIFY(view->run->simulatedTime < 0.05); // restarted a tick or two ago at most
    }
    void cameras()
    {
        ShownWindow shown(QSize(900, 700));
        QVERIFY(shown.exposed());
        GLWidget *view = shown.view();
        setOmega(view, { 1, 0.5, 0 }); // L along (1, 1, 0)
        shown.trigger("actionAngular_momentum");
        shown.trigger("actionLook_along_L");
        const QColor yellow = QColor::fromRgbF(1, 0.85, 0.2);
        QImage frame = renderedFrame(view);
        QVERIFY(showsNear(frame, framePixel(view, 0, 0), yellow));
        QVERIFY(!showsNear(frame, framePixel(view, 0.5, 0.5), yellow));
        shown.trigger("actionAngular_momentum");
        shown.trigger("actionRide_with_body");
        frame = renderedFrame(view);
        view->orientationMatrix = vorlix::rotation(70, 1, 2, 3);
        QCOMPARE(renderedFrame(view), frame);
    }
};

QTEST_MAIN(TestMapOfMotions)
#include "tst_mapofmotions.moc"
