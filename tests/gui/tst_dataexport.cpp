// SPDX-License-Identifier: GPL-3.0-or-later
#include "csvtable.h"
#include "testsupport.h"

#include <QDoubleSpinBox>
#include <QtTest>

namespace {

constexpr double tauPerTick = 0.004;
constexpr int ticks = 300;

/// The flip run for `ticks` ticks of τ at `speed`, as exported from the File menu.
CsvTable exportedFlip(double speed)
{
    ShownWindow w(QSize(), ShownWindow::offScreen);
    w.window.choosePreset("Intermediate axis flip");
    w.ui().speed->setValue(speed);
    w.window.LoadValues();
    for (int i = 0; i < ticks; ++i)
        w.view()->advanceTick(tauPerTick / speed);
    const QString fileName = w.home.filePath("run");
    const DialogScript script({ chooseFile(fileName) });
    w.trigger("actionExport_data");
    return CsvTable(fileContents(fileName + ".csv"));
}

} // namespace

class TestDataExport : public QObject {
    Q_OBJECT

private slots:
    void sameMotionAtAnySpeed_data()
    {
        QTest::addColumn<double>("speed");
        QTest::newRow("half speed") << 0.5;
        QTest::newRow("four times") << 4.0;
    }
    // Speed runs the same motion faster: ω × Speed for 1/Speed of the time takes the same
    // sub-steps in τ, so the exported table (in τ and the panel's ω) is the same.
    void sameMotionAtAnySpeed()
    {
        QFETCH(double, speed);
        const CsvTable reference = exportedFlip(1);
        const CsvTable scaled = exportedFlip(speed);
        QVERIFY(reference.wellFormed && scaled.wellFormed);
        QCOMPARE(scaled.columns["t"].size(), ticks + 1);
        QCOMPARE(scaled.columns["t"].last(), ticks * tauPerTick);
        for (const char *column : { "wx", "wy", "wz", "T", "L", "qw", "qx", "qy", "qz" }) {
            const QVector<double> &a = reference.columns[column], &b = scaled.columns[column];
            QCOMPARE(a.size(), b.size());
            for (int row = 0; row < a.size(); ++row)
                QVERIFY2(qAbs(a[row] - b[row]) <= 1e-9 * (1 + qAbs(a[row])),
                    qPrintable(QString("%1 row %2: %3 vs %4")
                                   .arg(column)
                                   .arg(row)
                                   .arg(a[row])
                                   .arg(b[row])));
        }
    }
};

QTEST_MAIN(TestDataExport)
#include "tst_dataexport.moc"
