// SPDX-License-Identifier: GPL-3.0-or-later
#include "poinsot.h"
#include "scenegeometry.h"

#include <QtTest>

#include <limits>

using vorlix::Matrix4;
using vorlix::Vector3;

Q_DECLARE_METATYPE(Vector3)
Q_DECLARE_METATYPE(Matrix4)

class TestPoinsot : public QObject {
    Q_OBJECT

private slots:
    void construction_data();
    void construction();
};

void TestPoinsot::construction_data()
{
    QTest::addColumn<Vector3>("moments");
    QTest::addColumn<Vector3>("omega");
    QTest::addColumn<Matrix4>("orientation");
    QTest::addColumn<bool>("drawable");

    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    QTest::newRow("sphere") << Vector3 { 2, 2, 2 } << Vector3 { 1, -2, 0.5 }
                            << vorlix::rotation(30, 1, 1, 0) << true;
    QTest::newRow("spin about the axis of least moment")
        << Vector3 { 1, 2, 3 } << Vector3 { 3, 0, 0 } << vorlix::identityMatrix() << true;
    QTest::newRow("spin about the largest axis, body turned")
        << Vector3 { 1, 2, 3 } << Vector3 { 0, 0, -2 } << vorlix::rotation(90, 1, 0, 0) << true;
    QTest::newRow("near the intermediate axis") << Vector3 { 1, 2, 3 } << Vector3 { 0.05, 4, 0.05 }
                                                << vorlix::rotation(-40, 0.3, 1, 0.2) << true;
    QTest::newRow("symmetric top")
        << Vector3 { 2, 2, 1 } << Vector3 { 3, 4, 12 } << vorlix::rotation(90, 0, 0, 1) << true;
    QTest::newRow("at rest") << Vector3 { 1, 2, 3 } << Vector3 {} << vorlix::identityMatrix()
                             << false;
    QTest::newRow("no mass") << Vector3 {} << Vector3 { 1, 1, 1 } << vorlix::identityMatrix()
                             << false;
    QTest::newRow("NaN ω") << Vector3 { 1, 2, 3 } << Vector3 { nan, 1, 0 }
                           << vorlix::identityMatrix() << false;
    QTest::newRow("infinite ω") << Vector3 { 1, 2, 3 } << Vector3 { inf, 0, 0 }
                                << vorlix::identityMatrix() << false;
}

void TestPoinsot::construction()
{
    QFETCH(Vector3, moments);
    QFETCH(Vector3, omega);
    QFETCH(Matrix4, orientation);
    QFETCH(bool, drawable);

    const vorlix::PoinsotConstruction c = vorlix::poinsotConstruction(moments, omega, orientation);
    QCOMPARE(c.drawable, drawable);
    if (!drawable) {
        QCOMPARE(c.planeDistance, 0.0);
        QCOMPARE(vorlix::norm(c.worldContact), 0.0);
        return;
    }
    const double tolerance = 1e-12;
    const double r = vorlix::ellipsoidRadius;
    const double least = std::min({ moments.x, moments.y, moments.z });
    const Vector3 p = c.bodyContact;
    // On the drawn ellipsoid, on the plane, and the plane perpendicular to L in space.
    const double onEllipsoid
        = moments.x * p.x * p.x + moments.y * p.y * p.y + moments.z * p.z * p.z;
    QVERIFY(std::abs(onEllipsoid - r * r * least) < tolerance);
    QVERIFY(std::abs(vorlix::dot(c.worldContact, c.planeNormal) - c.planeDistance) < tolerance);
    const Vector3 l = vorlix::toWorld(orientation, vorlix::componentwise(moments, omega));
    QVERIFY(vorlix::norm(c.planeNormal - (1 / vorlix::norm(l)) * l) < tolerance);
    // Tangent: the ellipsoid reaches no further along the normal than the plane (its support
    // function in the body-frame direction n is r·√(Imin·Σ nᵢ²/Iᵢ)).
    const Vector3 n = (1 / vorlix::norm(c.bodyMomentum)) * c.bodyMomentum;
    const double support = r
        * std::sqrt(
            least * (n.x * n.x / moments.x + n.y * n.y / moments.y + n.z * n.z / moments.z));
    QVERIFY(std::abs(c.planeDistance - support) < tolerance);
    // The disc's frame: a rotation taking +Z to the normal.
    QVERIFY(vorlix::orthonormalityError(c.planeFrame) < tolerance);
    QVERIFY(vorlix::norm(vorlix::column(c.planeFrame, 2) - c.planeNormal) < tolerance);
    const Vector3 handedness
        = vorlix::cross(vorlix::column(c.planeFrame, 0), vorlix::column(c.planeFrame, 1));
    QVERIFY(vorlix::norm(handedness - c.planeNormal) < tolerance);
}

QTEST_APPLESS_MAIN(TestPoinsot)
#include "tst_poinsot.moc"
