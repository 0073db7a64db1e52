// SPDX-License-Identifier: GPL-3.0-or-later
#include "matrix4.h"
#include "segmentculling.h"

#include <QtTest>

#include <vector>

class TestSegmentCulling : public QObject {
    Q_OBJECT

private slots:
    void keepsWhatAddsAPixel_data()
    {
        // After a segment along y = 10.5 from x = 10 to 50 at depth 0, in a 100 × 100 window.
        QTest::addColumn<std::vector<float>>("second");
        QTest::addColumn<int>("keptSegments");
        QTest::newRow("the same again") << std::vector<float> { 50, 10.5, 0, 10, 10.5, 0 } << 1;
        QTest::newRow("a part of it, a little behind")
            << std::vector<float> { 20, 10.5, 0.5, 30, 10.5, 0.5 } << 1;
        QTest::newRow("the same, nearer") << std::vector<float> { 10, 10.5, -5, 50, 10.5, -5 } << 2;
        QTest::newRow("one pixel beyond its end")
            << std::vector<float> { 30, 10.5, 0, 51.5, 10.5, 0 } << 2;
        QTest::newRow("on along its line") << std::vector<float> { 50, 10.5, 0, 90, 10.5, 0 } << 1;
        QTest::newRow("on, bending by over a pixel")
            << std::vector<float> { 50, 10.5, 0, 90, 16, 0 } << 2;
        QTest::newRow("across it") << std::vector<float> { 30, 0, 0, 30, 20, 0 } << 2;
        QTest::newRow("outside the window") << std::vector<float> { 120, 10, 0, 150, 90, 0 } << 1;
    }

    void keepsWhatAddsAPixel()
    {
        QFETCH(std::vector<float>, second);
        QFETCH(int, keptSegments);
        std::vector<float> segments { 10, 10.5, 0, 50, 10.5, 0 };
        segments.insert(segments.end(), second.begin(), second.end());
        vorlix::SegmentCulling culling;
        std::vector<float> kept;
        // Twice: what one view marked must not hide anything from the next.
        for (int pass = 0; pass < 2; ++pass) {
            culling.cull(segments, vorlix::identityMatrix().data(), 100, 100, 1.0, kept);
            QCOMPARE(int(kept.size() / 6), keptSegments);
            QCOMPARE(std::vector<float>(kept.begin(), kept.begin() + 3),
                std::vector<float>(segments.begin(), segments.begin() + 3));
        }
    }
};

QTEST_APPLESS_MAIN(TestSegmentCulling)
#include "tst_segmentculling.moc"
