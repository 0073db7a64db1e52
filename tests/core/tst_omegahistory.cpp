// SPDX-License-Identifier: GPL-3.0-or-later
#include "omegahistory.h"

#include <QtTest>

class TestOmegaHistory : public QObject {
    Q_OBJECT

private slots:
    void recent_data()
    {
        QTest::addColumn<int>("capacity");
        QTest::addColumn<int>(
            "appended"); // one sample per 0.25 s (exact in binary), ω.x = its time
        QTest::addColumn<int>("maxPoints");
        QTest::addColumn<int>("expectedCount");
        QTest::addColumn<double>("expectedFirst");

        QTest::newRow("empty") << 100 << 0 << 10 << 0 << 0.0;
        QTest::newRow("all within the span") << 100 << 50 << 100 << 50 << 0.25;
        QTest::newRow("span cuts the oldest") << 1000 << 200 << 1000 << 121 << 20.0;
        QTest::newRow("ring dropped the oldest") << 100 << 250 << 100 << 100 << 37.75;
        QTest::newRow("thinned, newest kept") << 1000 << 100 << 10 << 10 << 2.5;
    }
    void recent()
    {
        QFETCH(int, capacity);
        QFETCH(int, appended);
        QFETCH(int, maxPoints);
        QFETCH(int, expectedCount);
        QFETCH(double, expectedFirst);

        vorlix::OmegaHistory history(capacity);
        for (int i = 1; i <= appended; ++i)
            history.append(i * 0.25, { i * 0.25, 0, 0 });
        const std::vector<vorlix::OmegaSample> samples = history.recent(30, maxPoints);
        QCOMPARE(int(samples.size()), expectedCount);
        if (samples.empty())
            return;
        QCOMPARE(samples.front().omega.x, expectedFirst);
        QCOMPARE(samples.back().time, appended * 0.25);
        for (std::size_t i = 1; i < samples.size(); ++i)
            QVERIFY(samples[i].time > samples[i - 1].time);
    }
};

QTEST_APPLESS_MAIN(TestOmegaHistory)
#include "tst_omegahistory.moc"
