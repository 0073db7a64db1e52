// SPDX-License-Identifier: GPL-3.0-or-later
#include "sphereraster.h"

#include <QtTest>

#include <cmath>
#include <vector>

namespace {

int markedCells(const vorlix::SphereRaster &raster)
{
    int count = 0;
    for (int f = 0; f < vorlix::SphereRaster::faceCount; ++f) {
        for (int c = 0; c < raster.side() * raster.side(); ++c)
            count += raster.face(f)[c] != 0;
    }
    return count;
}

} // namespace

class TestSphereRaster : public QObject {
    Q_OBJECT

private slots:
    void greatCircleCoversOneLineOfCellsOnEachFaceItCrosses_data()
    {
        QTest::addColumn<int>("turns");
        QTest::addColumn<int>("perTurn");
        QTest::newRow("one turn, points 5 cells apart") << 1 << 100;
        QTest::newRow("fifty turns, each shifted") << 50 << 100;
        QTest::newRow("points far closer than a cell") << 2 << 100000;
    }

    // The equator crosses the ±X and ±Y faces along their middle: side cells each, a column
    // of +X (the face's s follows −z) whatever the number of points or turns.
    void greatCircleCoversOneLineOfCellsOnEachFaceItCrosses()
    {
        QFETCH(int, turns);
        QFETCH(int, perTurn);
        constexpr int side = 160;
        vorlix::SphereRaster raster(side);
        double last[3] = { 1, 0, 0 };
        for (int p = 1; p <= turns * perTurn; ++p) {
            const double angle = 2 * M_PI * (p + 0.31 * (p / perTurn)) / perTurn;
            const double point[3] = { std::cos(angle), std::sin(angle), 0 };
            raster.markSegment(last, point, 2);
            std::copy_n(point, 3, last);
        }
        QCOMPARE(markedCells(raster), 4 * side);
        for (int f : { 4, 5 })
            QVERIFY(raster.takeChanges(f).isEmpty());
        const vorlix::SphereRaster::Region r = raster.takeChanges(0);
        QCOMPARE(r.right - r.left, 1);
        QCOMPARE(r.bottom - r.top, side);
        QVERIFY(raster.takeChanges(0).isEmpty());
    }

    // OpenGL's cube map layout: each axis direction hits the centre of its own face.
    void axisDirectionsHitTheirFacesCentres()
    {
        const vorlix::SphereRaster raster(8);
        const double axes[6][3]
            = { { 1, 0, 0 }, { -1, 0, 0 }, { 0, 1, 0 }, { 0, -1, 0 }, { 0, 0, 1 }, { 0, 0, -1 } };
        for (int f = 0; f < 6; ++f) {
            const double nearAxis[3] = { axes[f][0] + 0.01, axes[f][1] + 0.01, axes[f][2] + 0.01 };
            const vorlix::SphereRaster::Cell c = raster.cellOf(nearAxis);
            QCOMPARE(c.face, f);
            QVERIFY(std::abs(c.column - 3.5) == 0.5 && std::abs(c.row - 3.5) == 0.5);
        }
    }
};

QTEST_APPLESS_MAIN(TestSphereRaster)
#include "tst_sphereraster.moc"
