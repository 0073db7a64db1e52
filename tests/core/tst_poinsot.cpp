// SPDX-License-Identifier: GPL-3.0-or-later
#include "contactpath.h"
#include "poinsot.h"
#include "scenegeometry.h"

#include <QtTest>

using vorlix::Matrix4;
using vorlix::Vector3;
Q_DECLARE_METATYPE(Vector3)
Q_DECLARE_METATYPE(Matrix4)

class TestPoinsot : public QObject {
    Q_OBJECT
private slots:
    void construction_data()
    {
        QTest::addColumn<Vector3>("I");
        QTest::addColumn<Vector3>("w");
        QTest::addColumn<Matrix4>("o");
        const Matrix4 one = vorlix::identityMatrix();
        QTest::newRow("sphere") << Vector3 { 2, 2, 2 } << Vector3 { 1, -2, 0.5 }
                                << vorlix::rotation(30, 1, 1, 0);
        QTest::newRow("spin about the least axis")
            << Vector3 { 1, 2, 3 } << Vector3 { 3, 0, 0 } << one;
        QTest::newRow("spin about the largest axis, turned")
            << Vector3 { 1, 2, 3 } << Vector3 { 0, 0, -2 } << vorlix::rotation(90, 1, 0, 0);
        QTest::newRow("near the middle axis") << Vector3 { 1, 2, 3 } << Vector3 { 0.05, 4, 0.05 }
                                              << vorlix::rotation(-40, 0.3, 1, 0.2);
        QTest::newRow("at rest: nothing drawn") << Vector3 { 1, 2, 3 } << Vector3 {} << one;
        QTest::newRow("no mass: nothing drawn") << Vector3 {} << Vector3 { 1, 1, 1 } << one;
        QTest::newRow("NaN: nothing drawn") << Vector3 { 1, 2, 3 } << Vector3 { NAN, 1, 0 } << one;
    }
    void construction()
    {
        QFETCH(Vector3, I);
        QFETCH(Vector3, w);
        QFETCH(Matrix4, o);
        const vorlix::PoinsotConstruction c = vorlix::poinsotConstruction(I, w, o);
        QCOMPARE(c.drawable, vorlix::dot(w, w) > 0 && I.x > 0);
        QVERIFY(c.drawable || c.planeDistance == 0);
        if (!c.drawable)
            return;
        const double eps = 1e-12, r2 = vorlix::ellipsoidRadius * vorlix::ellipsoidRadius;
        const double least = std::min({ I.x, I.y, I.z });
        const Vector3 p = c.bodyContact, l = vorlix::toWorld(o, vorlix::componentwise(I, w));
        // On the ellipsoid Σ Iᵢxᵢ² = r²·Imin, on the plane, the plane perpendicular to L.
        QVERIFY(std::abs(vorlix::dot(vorlix::componentwise(I, p), p) - r2 * least) < eps);
        QVERIFY(std::abs(vorlix::dot(c.worldContact, c.planeNormal) - c.planeDistance) < eps);
        QVERIFY(vorlix::norm(c.planeNormal - (1 / vorlix::norm(l)) * l) < eps);
        // Tangent: d is the ellipsoid's support function r·√(Imin·Σ nᵢ²/Iᵢ) along n = L̂.
        const Vector3 n = (1 / vorlix::norm(c.bodyMomentum)) * c.bodyMomentum;
        const double reach = dot(componentwise(n, n), Vector3 { 1 / I.x, 1 / I.y, 1 / I.z });
        QVERIFY(std::abs(c.planeDistance - std::sqrt(r2 * least * reach)) < eps);
        // The disc's frame: a right-handed rotation taking +Z to the normal.
        const Vector3 u = vorlix::column(c.planeFrame, 0), v = vorlix::column(c.planeFrame, 1);
        QVERIFY(vorlix::orthonormalityError(c.planeFrame) < eps);
        QVERIFY(vorlix::norm(vorlix::cross(u, v) - c.planeNormal) < eps);
    }
    void contactPath() // what a path keeps of successive points, at tolerance 1
    {
        const auto kept = [](std::initializer_list<QPointF> points, std::size_t capacity = 9) {
            std::vector<Vector3> path;
            for (const QPointF &p : points)
                vorlix::appendContactPoint(path, { p.x(), p.y(), 0 }, 1, capacity);
            QVector<QPointF> got;
            for (const Vector3 &p : path)
                got << QPointF(p.x, p.y);
            return got;
        };
        using Path = QVector<QPointF>;
        const QPointF o(0, 0), a(10, 0), b(20, 0), c(30, 0), corner(10, 10), far(60, 0);
        QCOMPARE(kept({ o, a, b, c }), Path({ o, c })); // a straight run's ends; the last follows
        QCOMPARE(kept({ o, a, corner }), Path({ o, a, corner })); // a bend's corner
        QCOMPARE(kept({ o, c, far }), Path({ o, c, far })); // a long run cut
        QCOMPARE(kept({ o, o, a, a }), Path({ o, a })); // nothing from a repaint without a tick
        QCOMPARE(kept({ o, a, corner, b }, 2), Path({ o, a })); // nothing once full
    }
};

QTEST_APPLESS_MAIN(TestPoinsot)
#include "tst_poinsot.moc"
