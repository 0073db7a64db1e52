// SPDX-License-Identifier: GPL-3.0-or-later
#include "ellipsoidpick.h"
#include "invariants.h"
#include "poinsot.h"
#include "polhodefamily.h"
#include "scenegeometry.h"

#include <QtTest>

using namespace vorlix;
Q_DECLARE_METATYPE(Vector3)
Q_DECLARE_METATYPE(Matrix4)

class TestPolhodeFamily : public QObject {
    Q_OBJECT
private slots:
    void family_data()
    {
        QTest::addColumn<Vector3>("I");
        QTest::addColumn<int>("curves"); // two per level and side, two for the separatrix
        QTest::newRow("any order, wide spread") << Vector3 { 100, 0.01, 1 } << 26;
        QTest::newRow("symmetric top") << Vector3 { 2, 1, 1 } << 12;
        QTest::newRow("nearly symmetric") << Vector3 { 1, 3, 3 + 1e-9 } << 12;
        QTest::newRow("sphere") << Vector3 { 2, 2, 2 } << 0;
        QTest::newRow("zero, negative") << Vector3 { 0, -2, 3 } << 0;
        QTest::newRow("not finite") << Vector3 { 1, INFINITY, NAN } << 0;
    }
    void family()
    {
        QFETCH(Vector3, I);
        QFETCH(int, curves);
        const bool circles = curves == 12; // a symmetric top's: no separatrix
        const auto family = polhodeFamily(I);
        QCOMPARE(int(family.size()), curves);
        std::array<double, 3> m { I.x, I.y, I.z };
        std::sort(m.begin(), m.end());
        const auto axis = [&](double d) {
            return Vector3 { 1. * (I.x == d), 1. * (I.y == d), 1. * (I.z == d) };
        };
        const double c = ellipsoidRadius * ellipsoidRadius * m[0];
        const Vector3 tip = ellipsoidRadius * std::sqrt(m[0] / m[1]) * axis(m[1]);
        int sides = 0;
        for (const PolhodeCurve &curve : family) {
            const auto &p = curve.points;
            QVERIFY(p.size() >= 64 && curve.level > m[0] && curve.level < m[2]);
            QCOMPARE(curve.separatrix, curve.level == m[1]);
            // About the least axis below Imid, the largest above, on one side of it.
            const Vector3 e = axis(curve.level < m[1] ? m[0] : m[2]);
            const double along = dot(p[0], e), across = norm(p[0] - along * e);
            sides += curve.separatrix ? 0 : along > 0 ? 1 : -1;
            int toTips = 0;
            for (std::size_t i = 0; i < p.size(); ++i) {
                const Vector3 x = p[i], ix = componentwise(I, x);
                QVERIFY(std::abs(dot(ix, x) / c - 1) < 1e-12);
                QVERIFY(std::abs(dot(ix, ix) / (curve.level * c) - 1) < 1e-12);
                QVERIFY(curve.separatrix || dot(x, e) * along > 0);
                QVERIFY(!circles || std::abs(norm(x - along * e) - across) < 1e-8);
                toTips += norm(x - tip) < 1e-12 || norm(x + tip) < 1e-12;
                // Closed: no gap between neighbours over a sixth of the radius.
                QVERIFY(norm(p[(i + 1) % p.size()] - x) < ellipsoidRadius / 6);
            }
            QCOMPARE(toTips, curve.separatrix ? 2 : 0); // through both ends of the middle axis
        }
        QCOMPARE(sides, 0);
    }
    void pick_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QPointF>("click");
        QTest::addColumn<Vector3>("hit"); // x² + 2y² + 3z² = r², eye (−y, z, −x) nearer −z
        const double r = 0.65, rim = 0.4596; // r/√2 = 0.45962 wide; 120 of 800 pixels: 0.3
        QTest::newRow("centre") << QSize(600, 600) << QPointF(300, 300) << Vector3 { r, 0, 0 };
        QTest::newRow("up, wide") << QSize(800, 600) << QPointF(400, 180)
                                  << Vector3 { std::sqrt(r * r - 0.27), 0, 0.3 };
        QTest::newRow("rim, tall") << QSize(600, 800) << QPointF(300 - rim * 400, 400)
                                   << Vector3 { std::sqrt(r * r - 2 * rim * rim), rim, 0 };
        QTest::newRow("miss") << QSize(600, 600) << QPointF(300, 100) << Vector3 { NAN };
    }
    void pick()
    {
        QFETCH(QSize, size);
        QFETCH(QPointF, click);
        QFETCH(Vector3, hit);
        const int w = size.width(), h = size.height();
        const Vector3 I { 1, 2, 3 };
        // Body X turned to −z, Y to −x, split between the view and the body any way.
        const Matrix4 view = multiply(rotation(90, 0, 0, 1), rotation(70, 1, 2, 3));
        const Matrix4 orientation = multiply(rotation(-70, 1, 2, 3), rotation(90, 0, 1, 0));
        const auto p = pickEllipsoidPoint(w, h, click, view, orientation, I);
        QCOMPARE(p.has_value(), isFinite(hit));
        if (!p)
            return;
        QVERIFY(norm(*p - hit) < 1e-12);
        QVERIFY(std::abs(dot(componentwise(I, *p), *p) / (0.65 * 0.65) - 1) < 1e-12);
        QVERIFY((widgetPosition(w, h, *p, view, orientation) - click).manhattanLength() < 0.5);
        // Restarted from there with the same energy: the point of contact is the click.
        const Vector3 omega = omegaWithEnergy(*p, I, 5);
        QVERIFY(std::abs(kineticEnergy(I, omega) - 5) < 1e-12);
        QVERIFY(norm(poinsotConstruction(I, omega, view).bodyContact - *p) < 1e-12);
        for (const double energy : { 0.0, -1.0, double(NAN) })
            QCOMPARE(norm(omegaWithEnergy(*p, I, energy)), 0.0);
        QCOMPARE(norm(omegaWithEnergy({}, I, 5)), 0.0);
    }
};

QTEST_APPLESS_MAIN(TestPolhodeFamily)
#include "tst_polhodefamily.moc"
