// SPDX-License-Identifier: GPL-3.0-or-later
#include "lastturn.h"
#include "polhodefamily.h"

#include <QtTest>

using namespace vorlix;
Q_DECLARE_METATYPE(Vector3)

class TestLastTurn : public QObject {
    Q_OBJECT
private slots:
    // Every polhode of the map goes round the axis found for any of its points, once a loop.
    void polhodesGoRoundTheirAxis_data()
    {
        QTest::addColumn<Vector3>("I");
        QTest::newRow("asymmetric") << Vector3 { 1, 2, 3 };
        QTest::newRow("any order") << Vector3 { 5, 0.5, 2 };
        QTest::newRow("symmetric top") << Vector3 { 2, 1, 1 };
    }
    void polhodesGoRoundTheirAxis()
    {
        QFETCH(Vector3, I);
        for (const PolhodeCurve &curve : polhodeFamily(I, 3, 40)) {
            if (curve.separatrix)
                continue;
            const Vector3 axis = polhodeAxis(I, curve.points.front());
            QCOMPARE(norm(axis), 1.0);
            for (const Vector3 &p : curve.points)
                QCOMPARE(dot(polhodeAxis(I, p), axis), 1.0);
            std::vector<Vector3> threeLoops;
            for (int loop = 0; loop < 3; ++loop)
                threeLoops.insert(threeLoops.end(), curve.points.begin(), curve.points.end());
            const std::size_t n = curve.points.size(), start = lastTurnStart(threeLoops, axis);
            // One loop back from the newest point, or one point more where rounding leaves
            // the sum of its angles a hair short of a turn.
            QVERIFY2(start + n + 1 == threeLoops.size() || start + n + 2 == threeLoops.size(),
                qPrintable(QString::number(start)));
            QCOMPARE(lastTurnStart({ curve.points.begin(), curve.points.begin() + n / 2 }, axis),
                std::size_t(0));
        }
    }

    void noAxisKeepsOmega()
    {
        const Vector3 omega { 0.3, -1, 2 };
        for (const Vector3 &I : { Vector3 { 2, 2, 2 }, Vector3 { 1, 2, 2 } }) {
            const Vector3 axis = polhodeAxis(I, { 0, omega.y, omega.z });
            QCOMPARE(axis.y, omega.y); // turning in the equal plane: D is the middle moment
        }
        QCOMPARE(polhodeAxis({ 2, 2, 2 }, omega).x, omega.x);
    }
};

QTEST_APPLESS_MAIN(TestLastTurn)
#include "tst_lastturn.moc"
