// SPDX-License-Identifier: GPL-3.0-or-later
#include "accuratestepper.h"
#include "batchsimulation.h"
#include "csvtable.h"
#include "runcsv.h"
#include "runrecord.h"

#include <QBuffer>
#include <QtTest>

class TestRunCsv : public QObject {
    Q_OBJECT

private slots:
    void speedKeepsTheMotionsUnits_data();
    void speedKeepsTheMotionsUnits();
    void thinningKeepsNewestAndEvenSpacing_data();
    void thinningKeepsNewestAndEvenSpacing();
    void quaternionOfATurn_data();
    void quaternionOfATurn();
};

namespace {

CsvTable simulate(double speed, double seconds, double rate)
{
    const vorlix::BatchSimulation run { { { 1, 2, 3 }, { 0.05, 4, 0.05 }, speed, 100 },
        &vorlix::accurate(), seconds, rate };
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    vorlix::writeBatchSimulation(&buffer, run, "1.0");
    return CsvTable(buffer.data());
}

} // namespace

void TestRunCsv::speedKeepsTheMotionsUnits_data()
{
    QTest::addColumn<double>("speed");
    QTest::addColumn<double>("tauPerRow"); // a row every tick at 250/3 rows per second of τ

    QTest::newRow("speed 1") << 1.0 << 0.012;
    QTest::newRow("speed 3") << 3.0 << 0.012;
    QTest::newRow("backwards") << -3.0 << -0.012;
}

void TestRunCsv::speedKeepsTheMotionsUnits()
{
    QFETCH(double, speed);
    QFETCH(double, tauPerRow);

    const CsvTable reference = simulate(1, 0.6, 250.0 / 3);
    const CsvTable table = simulate(speed, 0.6, 250.0 / 3);
    QVERIFY(table.wellFormed);
    QCOMPARE(table.comments.first(), QString("vorlix 1.0"));
    QVERIFY(table.comments.contains(QString("speed: %1").arg(speed)));
    QCOMPARE(table.header.join(','), QString("t,wx,wy,wz,T,L,Lx,Ly,Lz,qw,qx,qy,qz"));
    QCOMPARE(table.rows.size(), 51);
    const double energy = 0.5 * (0.05 * 0.05 + 2 * 16 + 3 * 0.05 * 0.05);
    for (int i = 0; i < table.rows.size(); ++i) {
        QVERIFY(qAbs(table.rows[i][0] - i * tauPerRow) < 1e-12);
        QVERIFY(qAbs(table.rows[i][4] / energy - 1) < 1e-12);
        // Forwards, the motion at the same τ whatever the speed (the sub-steps differ).
        for (int c = 1; c < 13 && speed > 0; ++c)
            QVERIFY2(qAbs(table.rows[i][c] - reference.rows[i][c]) < 1e-9,
                qPrintable(QString::number(c)));
    }
}

void TestRunCsv::thinningKeepsNewestAndEvenSpacing_data()
{
    QTest::addColumn<int>("capacity");
    QTest::addColumn<int>("appended");
    QTest::addColumn<double>("widestGap");

    QTest::newRow("not full") << 8 << 8 << 1.0;
    QTest::newRow("thinned once") << 8 << 9 << 2.0;
    QTest::newRow("thinned often") << 1000 << 100000 << 1e5;
}

void TestRunCsv::thinningKeepsNewestAndEvenSpacing()
{
    QFETCH(int, capacity);
    QFETCH(int, appended);
    QFETCH(double, widestGap);

    vorlix::RunRecord record { std::size_t(capacity) };
    for (int tick = 0; tick < appended; ++tick)
        record.append(tick, {}, vorlix::identityMatrix());
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QVERIFY(vorlix::writeRunCsv(&buffer, vorlix::RunDescription(), record));
    const QVector<double> t = CsvTable(buffer.data()).column("t");

    QVERIFY(t.size() <= capacity && t.size() >= capacity / 2);
    QCOMPARE(t.first(), 0.0);
    QCOMPARE(t.last(), appended - 1.0);
    // Every tick of the newer half; older, gaps that widen with age.
    for (int i = t.size() - 1; i > 0; --i) {
        const double gap = t[i] - t[i - 1];
        QVERIFY(gap == 1 || (i <= t.size() / 2 && gap <= widestGap));
        QVERIFY(i + 1 == t.size() || gap >= t[i + 1] - t[i]);
    }
}

void TestRunCsv::quaternionOfATurn_data()
{
    QTest::addColumn<double>("degrees");
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    QTest::addColumn<double>("z");

    QTest::newRow("none") << 0.0 << 0.0 << 0.0 << 1.0;
    QTest::newRow("small, oblique") << 10.0 << 1.0 << 2.0 << 3.0;
    QTest::newRow("near half, about x") << 179.9 << 1.0 << 0.0 << 0.0;
    QTest::newRow("near half, about y") << 179.99 << 0.0 << 1.0 << 0.0;
    QTest::newRow("near half, oblique") << 179.999 << -1.0 << 1.0 << 2.0;
    QTest::newRow("over half: qw sign flips") << 300.0 << 0.0 << 0.0 << 1.0;
}

void TestRunCsv::quaternionOfATurn()
{
    QFETCH(double, degrees);
    QFETCH(double, x);
    QFETCH(double, y);
    QFETCH(double, z);

    vorlix::RunRecord record;
    record.append(0, {}, vorlix::rotation(degrees, x, y, z));
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QVERIFY(vorlix::writeRunCsv(&buffer, vorlix::RunDescription(), record));
    const QVector<double> q = CsvTable(buffer.data()).rows.first().mid(9);

    const double half = degrees * M_PI / 360, n = std::sqrt(x * x + y * y + z * z);
    const double sign = std::cos(half) < 0 ? -1 : 1;
    const QVector<double> expected { sign * std::cos(half), sign * std::sin(half) * x / n,
        sign * std::sin(half) * y / n, sign * std::sin(half) * z / n };
    for (int i = 0; i < 4; ++i)
        QVERIFY2(qAbs(q[i] - expected[i]) < 1e-15, qPrintable(QString::number(i)));
}

QTEST_APPLESS_MAIN(TestRunCsv)
#include "tst_runcsv.moc"
