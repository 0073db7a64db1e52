// SPDX-License-Identifier: GPL-3.0-or-later
// The program without a display: the flip against the closed form; refusals write nothing.
#include "csvtable.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

/// The exit status of the program run with `arguments`; what it printed goes to `out`, `err`.
int vorlix(const QStringList &arguments, QByteArray *out, QByteArray *err)
{
    QProcess process; // without a display: the test's environment has none
    process.start(VORLIX_EXECUTABLE, arguments);
    process.waitForFinished(60000);
    *out = process.readAllStandardOutput();
    *err = process.readAllStandardError();
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

void row(const char *name, const char *arguments, int status, const char *out = "")
{
    QTest::newRow(name) << QString(arguments).split(' ') << status << QByteArray(out);
}

/// Complete elliptic integral of the first kind, K(k) = π / (2·AGM(1, √(1 − k²))).
double ellipticK(double k2)
{
    double a = 1, b = std::sqrt(1 - k2);
    while (std::abs(a - b) > 1e-15 * a) // quadratic: a few rounds
        std::tie(a, b) = std::make_pair((a + b) / 2, std::sqrt(a * b));
    return M_PI / (2 * a);
}

} // namespace

class TestBatchRun : public QObject {
    Q_OBJECT

private slots:
    void flipIntervalMatchesClosedForm()
    {
        QByteArray out, err;
        const QStringList arguments { "--simulate", "60", "--preset", "Intermediate axis flip",
            "--integrator", "accurate", "--csv", "-" };
        QCOMPARE(vorlix(arguments, &out, &err), 0);
        const CsvTable table(out);
        // The preset as data/default.ini ships it.
        QVERIFY(table.wellFormed && table.comments.contains("moments Ix Iy Iz: 1 2 3")
            && table.comments.contains("initial omega (rad/s): 0.05 4 0.05"));
        const double i1 = 1, i2 = 2, i3 = 3, w1 = 0.05, w2 = 4, w3 = 0.05;
        const double twoT = i1 * w1 * w1 + i2 * w2 * w2 + i3 * w3 * w3;
        const double l2 = i1 * i1 * w1 * w1 + i2 * i2 * w2 * w2 + i3 * i3 * w3 * w3;
        // L² > 2T·I2: the body tumbles about the largest axis, ωY goes as sn(λt, k) (Landau and
        // Lifshitz, Mechanics, §37), changing sign every 2K(k)/λ.
        QVERIFY(l2 > twoT * i2);
        const double lambda = std::sqrt((i3 - i2) * (l2 - twoT * i1) / (i1 * i2 * i3));
        const double k2 = (i2 - i1) * (twoT * i3 - l2) / ((i3 - i2) * (l2 - twoT * i1));
        const double expected = 2 * ellipticK(k2) / lambda;

        const QVector<double> t = table.columns.value("t"), wy = table.columns.value("wy");
        QVector<double> crossings;
        for (int i = 1; i < t.size(); ++i)
            if ((wy[i - 1] < 0) != (wy[i] < 0))
                crossings << t[i - 1] + (t[i] - t[i - 1]) * wy[i - 1] / (wy[i - 1] - wy[i]);
        QVERIFY(crossings.size() >= 10 && t.last() == 60);
        const double interval = (crossings.last() - crossings.first()) / (crossings.size() - 1);
        QVERIFY2(std::abs(interval / expected - 1) < 1e-6, qPrintable(QString::number(interval)));

        for (const char *name : { "T", "L", "Lx", "Ly", "Lz" }) {
            const QVector<double> values = table.columns.value(name);
            const double scale = *name == 'T' ? twoT / 2 : std::sqrt(l2);
            for (double v : values)
                QVERIFY2(std::abs(v - values.first()) < 1e-10 * scale, name);
        }
    }
    void exitStatus_data()
    {
        QTest::addColumn<QStringList>("arguments"); // a file name follows them
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("expected"); // on standard output

        row("version", "-platform offscreen --version --body", 0, "vorlix " VORLIX_VERSION "\n");
        row("help", "--help --body", 0, "--simulate SECONDS");
        row("unknown preset", "--simulate 1 --preset None --csv", 2);
        row("negative moment", "--simulate 1 --moments 1,-2,3 --omega 0,1,0 --csv", 2);
        row("odd film side", "--length 1 --size 255 --moments 1,2,3 --omega 0,4,0 --video", 2);
    }
    void exitStatus()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QByteArray, expected);

        QTemporaryDir directory;
        const QString file = directory.filePath("run.csv");
        QByteArray out, err;
        QCOMPARE(vorlix(arguments << file, &out, &err), status);
        QVERIFY(expected.isEmpty() ? out.isEmpty() : out.contains(expected));
        QCOMPARE(err.count('\n'), status ? 1 : 0);
        QVERIFY(!QFile::exists(file));
    }
};

QTEST_GUILESS_MAIN(TestBatchRun)
#include "tst_batchrun.moc"
