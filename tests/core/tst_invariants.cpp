// SPDX-License-Identifier: GPL-3.0-or-later
#include "invariants.h"

#include <QtTest>

using vorlix::Matrix4;
using vorlix::Vector3;

Q_DECLARE_METATYPE(Vector3)
Q_DECLARE_METATYPE(Matrix4)

class TestInvariants : public QObject {
    Q_OBJECT

private slots:
    void invariants_data()
    {
        QTest::addColumn<Vector3>("moments");
        QTest::addColumn<Vector3>("omega");
        QTest::addColumn<Matrix4>("orientation");
        QTest::addColumn<double>("energy");
        QTest::addColumn<Vector3>("worldMomentum"); // its length is |L|

        // A spin about one principal axis: T = ½·I·ω², L = I·ω along that axis in space.
        QTest::newRow("spin about X") << Vector3 { 2, 5, 7 } << Vector3 { 3, 0, 0 }
                                      << vorlix::identityMatrix() << 9.0 << Vector3 { 6, 0, 0 };
        QTest::newRow("spin about Z, body turned 90° about X")
            << Vector3 { 2, 5, 7 } << Vector3 { 0, 0, -2 } << vorlix::rotation(90, 1, 0, 0) << 14.0
            << Vector3 { 0, 14, 0 };
        // A symmetric top (Ix = Iy): L = (6, 8, 12), T = ½·(18 + 32 + 144); turned 90° about Z
        // the body's X axis points along world Y.
        QTest::newRow("symmetric top")
            << Vector3 { 2, 2, 1 } << Vector3 { 3, 4, 12 } << vorlix::rotation(90, 0, 0, 1) << 97.0
            << Vector3 { -8, 6, 12 };
        QTest::newRow("at rest") << Vector3 { 1, 2, 3 } << Vector3 {} << vorlix::identityMatrix()
                                 << 0.0 << Vector3 {};
    }
    void invariants()
    {
        QFETCH(Vector3, moments);
        QFETCH(Vector3, omega);
        QFETCH(Matrix4, orientation);
        QFETCH(double, energy);
        QFETCH(Vector3, worldMomentum);
        const double momentum = vorlix::norm(worldMomentum);

        // The rotations are built from cos and sin of π/2, which are not exact zeros.
        const double tolerance = 1e-12;
        QCOMPARE(vorlix::kineticEnergy(moments, omega), energy);
        QVERIFY(std::abs(vorlix::angularMomentumMagnitude(moments, omega) - momentum) < tolerance);
        const Vector3 l = vorlix::worldAngularMomentum(moments, omega, orientation);
        QVERIFY2(vorlix::norm(l - worldMomentum) < tolerance,
            qPrintable(QString("(%1, %2, %3)").arg(l.x).arg(l.y).arg(l.z)));
        QVERIFY(std::abs(vorlix::norm(l) - momentum) < tolerance);
    }
};

QTEST_APPLESS_MAIN(TestInvariants)
#include "tst_invariants.moc"
