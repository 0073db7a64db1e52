// SPDX-License-Identifier: GPL-3.0-or-later
#include "accuratestepper.h"
#include "batchsimulation.h"
#include "csvtable.h"
#include "runcsv.h"
#include "runrecord.h"

#include <QBuffer>
#include <QtTest>

namespace {

/// The flip preset for 0.6 s of τ at 250/3 rows per second: every third tick at speed 1,
/// every tick at speed 3; or `record`, when given.
CsvTable written(double speed, const vorlix::RunRecord *record = nullptr)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (record)
        vorlix::writeRunCsv(&buffer, vorlix::RunDescription(), *record);
    else
        vorlix::writeBatchSimulation(&buffer,
            { { { 1, 2, 3 }, { 0.05, 4, 0.05 }, speed, 100 }, &vorlix::accurate(), 0.6, 250.0 / 3 },
            "1.0");
    return CsvTable(buffer.data());
}

} // namespace

class TestRunCsv : public QObject {
    Q_OBJECT

private slots:
    void speedKeepsTheMotionsUnits_data()
    {
        QTest::addColumn<double>("speed");

        QTest::newRow("speed 1") << 1.0;
        QTest::newRow("speed 3") << 3.0;
        QTest::newRow("backwards") << -3.0;
    }
    void speedKeepsTheMotionsUnits()
    {
        QFETCH(double, speed);

        const CsvTable reference = written(1), table = written(speed);
        QVERIFY(table.wellFormed && table.comments.contains(QString("speed: %1").arg(speed)));
        QCOMPARE(table.comments.first() + ' ' + table.header.join(','),
            QString("vorlix 1.0 t,wx,wy,wz,T,L,Lx,Ly,Lz,qw,qx,qy,qz"));
        const QVector<double> t = table.columns.value("t"), energy = table.columns.value("T");
        QCOMPARE(t.size(), 51);
        for (int i = 0; i < t.size(); ++i) {
            QVERIFY(qAbs(t[i] - i * std::copysign(0.012, speed)) < 1e-12);
            QVERIFY(qAbs(energy[i] / (0.5 * (0.0025 + 2 * 16 + 3 * 0.0025)) - 1) < 1e-12);
            // Forwards, the motion at the same τ whatever the speed (the sub-steps differ).
            for (const QString &name : table.header)
                QVERIFY(
                    speed < 0 || qAbs(table.columns[name][i] - reference.columns[name][i]) < 1e-9);
        }
    }
    void thinningKeepsNewestAndEvenSpacing_data()
    {
        QTest::addColumn<int>("capacity");
        QTest::addColumn<int>("appended");
        QTest::addColumn<double>("widestGap");

        QTest::newRow("not full") << 8 << 8 << 1.0;
        QTest::newRow("thinned once") << 8 << 9 << 2.0;
        QTest::newRow("thinned often") << 1000 << 100000 << 1e5;
    }
    void thinningKeepsNewestAndEvenSpacing()
    {
        QFETCH(int, capacity);
        QFETCH(int, appended);
        QFETCH(double, widestGap);

        vorlix::RunRecord record { std::size_t(capacity) };
        for (int tick = 0; tick < appended; ++tick)
            record.append(tick, {}, vorlix::identityMatrix());
        const QVector<double> t = written(1, &record).columns.value("t");
        QVERIFY(t.size() <= capacity && t.size() >= capacity / 2);
        QVERIFY(t.first() == 0 && t.last() == appended - 1); // the oldest and the newest kept
        // Every tick in the newer half; older, gaps that widen with age.
        for (int i = t.size() - 1; i > 0; --i) {
            const double gap = t[i] - t[i - 1];
            QVERIFY(gap == 1 || (i <= t.size() / 2 && gap <= widestGap));
            QVERIFY(i + 1 == t.size() || gap >= t[i + 1] - t[i]);
        }
    }
    void quaternionOfATurn_data()
    {
        QTest::addColumn<QVector<double>>("turn"); // degrees about the axis (x, y, z)

        QTest::newRow("small, oblique") << QVector<double> { 10, 1, 2, 3 };
        QTest::newRow("near half, about y") << QVector<double> { 179.99, 0, 1, 0 };
        QTest::newRow("near half, oblique") << QVector<double> { 179.999, -1, 1, 2 };
        QTest::newRow("over half: qw sign flips") << QVector<double> { 300, 0, 0, 1 };
    }
    void quaternionOfATurn()
    {
        QFETCH(QVector<double>, turn);

        vorlix::RunRecord record;
        record.append(0, {}, vorlix::rotation(turn[0], turn[1], turn[2], turn[3]));
        const CsvTable table = written(1, &record);
        const double half = turn[0] * M_PI / 360, sign = std::cos(half) < 0 ? -1 : 1;
        const double s = sign * std::sin(half) / std::hypot(turn[1], turn[2], turn[3]);
        for (int i = 0; i < 4; ++i) {
            const QVector<double> q = table.columns.value(QString("q") + "wxyz"[i]);
            QVERIFY(
                q.size() == 1 && qAbs(q[0] - (i ? s * turn[i] : sign * std::cos(half))) < 1e-15);
        }
    }
};

QTEST_APPLESS_MAIN(TestRunCsv)
#include "tst_runcsv.moc"
