// SPDX-License-Identifier: GPL-3.0-or-later
// The program run from the command line, without a display: the flip of the shipped preset
// against the closed form, and bad arguments refused before anything is written.
#include "csvtable.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

class TestBatchRun : public QObject {
    Q_OBJECT

private slots:
    void flipIntervalMatchesClosedForm();
    void refusedArguments_data();
    void refusedArguments();
    void versionAndHelp();
};

namespace {

struct Run {
    int status = -1;
    QByteArray out, err;
};

Run vorlix(const QStringList &arguments)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("DISPLAY");
    environment.remove("WAYLAND_DISPLAY");
    environment.remove("QT_QPA_PLATFORM");
    process.setProcessEnvironment(environment);
    process.start(VORLIX_EXECUTABLE, arguments);
    process.waitForFinished(60000);
    return { process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
        process.readAllStandardOutput(), process.readAllStandardError() };
}

/// Complete elliptic integral of the first kind, K(k) = π / (2·AGM(1, √(1 − k²))).
double ellipticK(double k2)
{
    double a = 1, b = std::sqrt(1 - k2);
    while (std::abs(a - b) > 1e-15 * a) { // quadratic: a few rounds
        const double mean = (a + b) / 2;
        b = std::sqrt(a * b);
        a = mean;
    }
    return M_PI / (2 * a);
}

} // namespace

void TestBatchRun::flipIntervalMatchesClosedForm()
{
    const Run run = vorlix({ "--simulate", "60", "--preset", "Intermediate axis flip",
        "--integrator", "accurate", "--csv", "-" });
    QCOMPARE(run.status, 0);
    const CsvTable table(run.out);
    QVERIFY(table.wellFormed);
    // The preset as data/default.ini ships it.
    QVERIFY(table.comments.contains("moments Ix Iy Iz: 1 2 3"));
    QVERIFY(table.comments.contains("initial omega (rad/s): 0.05 4 0.05"));
    const double i1 = 1, i2 = 2, i3 = 3, w1 = 0.05, w2 = 4, w3 = 0.05;
    const double twoT = i1 * w1 * w1 + i2 * w2 * w2 + i3 * w3 * w3;
    const double l2 = i1 * i1 * w1 * w1 + i2 * i2 * w2 * w2 + i3 * i3 * w3 * w3;
    // L² > 2T·I2: the body tumbles about the largest axis, ωY goes as sn(λt, k) (Landau and
    // Lifshitz, Mechanics, §37), changing sign every 2K(k)/λ.
    QVERIFY(l2 > twoT * i2);
    const double lambda = std::sqrt((i3 - i2) * (l2 - twoT * i1) / (i1 * i2 * i3));
    const double k2 = (i2 - i1) * (twoT * i3 - l2) / ((i3 - i2) * (l2 - twoT * i1));
    const double expected = 2 * ellipticK(k2) / lambda;

    const QVector<double> t = table.column("t"), wy = table.column("wy");
    QVector<double> crossings;
    for (int i = 1; i < t.size(); ++i) {
        if ((wy[i - 1] < 0) != (wy[i] < 0))
            crossings << t[i - 1] + (t[i] - t[i - 1]) * wy[i - 1] / (wy[i - 1] - wy[i]);
    }
    QVERIFY(crossings.size() >= 10 && t.last() == 60);
    const double interval = (crossings.last() - crossings.first()) / (crossings.size() - 1);
    QVERIFY2(std::abs(interval / expected - 1) < 1e-6, qPrintable(QString::number(interval)));

    for (const char *name : { "T", "L", "Lx", "Ly", "Lz" }) {
        const QVector<double> values = table.column(name);
        const double scale = *name == 'T' ? twoT / 2 : std::sqrt(l2);
        for (double v : values)
            QVERIFY2(std::abs(v - values.first()) < 1e-10 * scale, name);
    }
}

void TestBatchRun::refusedArguments_data()
{
    QTest::addColumn<QStringList>("arguments");

    QTest::newRow("unknown preset")
        << QStringList { "--simulate", "1", "--preset", "None", "--csv" };
    QTest::newRow("negative moment")
        << QStringList { "--simulate", "1", "--moments", "1,-2,3", "--omega", "0,1,0", "--csv" };
    QTest::newRow("bad option") << QStringList { "--simulate", "1", "--preset",
        "Intermediate axis flip", "--bogus", "--csv" };
}

void TestBatchRun::refusedArguments()
{
    QFETCH(QStringList, arguments);

    QTemporaryDir directory;
    const QString file = directory.filePath("run.csv");
    const Run run = vorlix(arguments << file);
    QCOMPARE(run.status, 2);
    QCOMPARE(run.err.count('\n'), 1);
    QVERIFY(run.out.isEmpty());
    QVERIFY(!QFile::exists(file));
}

void TestBatchRun::versionAndHelp()
{
    QCOMPARE(vorlix({ "--version", "-platform", "offscreen" }).out,
        QByteArray("vorlix " VORLIX_VERSION "\n"));
    const Run help = vorlix({ "--help" });
    QCOMPARE(help.status, 0);
    QVERIFY(help.out.contains("--simulate SECONDS"));
}

QTEST_GUILESS_MAIN(TestBatchRun)
#include "tst_batchrun.moc"
