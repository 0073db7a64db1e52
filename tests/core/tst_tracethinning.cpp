// SPDX-License-Identifier: GPL-3.0-or-later
#include "tracethinning.h"

#include <QtTest>

#include <cmath>
#include <vector>

namespace {

/// `turns` turns of a circle of radius 0.8 at height 0.6 on the unit sphere, `perTurn`
/// points a turn, the same points each turn.
std::vector<double> woundCircle(int turns, int perTurn)
{
    std::vector<double> points;
    for (int p = 0; p < turns * perTurn; ++p) {
        const double angle = 2 * M_PI * (p % perTurn) / perTurn;
        points.insert(points.end(), { 0.8 * std::cos(angle), 0.8 * std::sin(angle), 0.6 });
    }
    return points;
}

} // namespace

class TestTraceThinning : public QObject {
    Q_OBJECT

private slots:
    void mergesWithinACell_data()
    {
        QTest::addColumn<double>("cell");
        QTest::addColumn<int>("perTurn");
        // Points several cells apart (a fast axis) and far closer than a cell.
        QTest::newRow("sparse points, pixel of a 600-pixel view") << 2.0 / 600 << 300;
        QTest::newRow("dense points, coarse cell") << 0.05 << 5000;
    }

    void mergesWithinACell()
    {
        QFETCH(double, cell);
        QFETCH(int, perTurn);
        const std::vector<double> once = woundCircle(1, perTurn), often = woundCircle(40, perTurn);
        vorlix::ThinnedPolyline single(cell), wound(cell), inChunks(cell);
        single.extend(once.data(), perTurn);
        wound.extend(often.data(), 40 * perTurn);
        for (int count = 0; count < 40 * perTurn; count += 77) {
            inChunks.extend(often.data(), count);
            // What the next point would add is what taking it in adds.
            float next[6];
            const std::size_t before = inChunks.segmentPoints().size();
            const bool adds = inChunks.segmentTo(&often[std::size_t(3 * count)], next);
            inChunks.extend(often.data(), count + 1);
            QCOMPARE(adds, inChunks.segmentPoints().size() > before);
            QVERIFY(!adds || std::equal(next, next + 6, inChunks.segmentPoints().end() - 6));
        }
        inChunks.extend(often.data(), 40 * perTurn);
        QCOMPARE(inChunks.segmentPoints(), wound.segmentPoints());

        // Retracing adds at most the segment that closes the loop.
        QVERIFY(wound.segmentPoints().size() <= single.segmentPoints().size() + 6);
        // No more segments than points, nor than cells along the circle when they are denser.
        const double cellsAround = 2 * M_PI * 0.8 / cell;
        QVERIFY(wound.segmentPoints().size() / 6 <= std::min<double>(perTurn, 3 * cellsAround));
        // Every point lies within half a cell's diagonal of a kept point.
        const std::vector<float> &kept = wound.segmentPoints();
        for (std::size_t p = 0; p < often.size(); p += 3 * 97) {
            double nearest = 1e9;
            for (std::size_t k = 0; k < kept.size(); k += 3)
                nearest = std::min(nearest,
                    std::hypot(kept[k] - often[p], kept[k + 1] - often[p + 1],
                        kept[k + 2] - often[p + 2]));
            QVERIFY(nearest <= 0.5 * std::sqrt(3.0) * cell * 1.0001);
        }
    }
};

QTEST_APPLESS_MAIN(TestTraceThinning)
#include "tst_tracethinning.moc"
