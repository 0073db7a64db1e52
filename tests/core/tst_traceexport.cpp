// SPDX-License-Identifier: GPL-3.0-or-later
#include "objreader.h"
#include "traceexport.h"

#include <QBuffer>
#include <QLocale>
#include <QtTest>
#include <array>
#include <clocale>
#include <cmath>

using vorlix::RecordedTrace;

namespace {

/// A trace as a test describes it; `points` owns the coordinates the writer reads.
struct TraceInput {
    QVector<double> points;
    int pointCount = 0;
    bool shown = false;
    bool nullBuffer = false;

    RecordedTrace recorded() const
    {
        return { nullBuffer ? nullptr : points.constData(), pointCount, shown };
    }
};

TraceInput hidden()
{
    return {};
}

TraceInput shownTrace(const QVector<double> &points)
{
    return { points, int(points.size() / 3), true, false };
}

QByteArray exportText(const TraceInput &x, const TraceInput &y, const TraceInput &z)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (!vorlix::writeTracesAsObj(&buffer, x.recorded(), y.recorded(), z.recorded()))
        qWarning("the export into memory failed");
    return buffer.data();
}

QByteArray linesToText(const QStringList &lines)
{
    QByteArray text;
    for (const QString &line : lines)
        text += line.toLatin1() + '\n';
    return text;
}

QVector<double> pointsOnCircle(int count)
{
    QVector<double> points;
    points.reserve(3 * count);
    for (int p = 0; p < count; ++p) {
        const double angle = 0.001 * p;
        points << std::cos(angle) << std::sin(angle) << -0.25;
    }
    return points;
}

/// Takes the first `capacity` bytes, then refuses everything: a disk that fills up.
class FillingDevice : public QIODevice {
public:
    explicit FillingDevice(qint64 capacity) : capacity(capacity) { open(QIODevice::WriteOnly); }

    int writeCalls = 0;

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *, qint64 length) override
    {
        ++writeCalls;
        const qint64 taken = qMin(length, capacity);
        capacity -= taken;
        return taken == 0 ? -1 : taken;
    }

private:
    qint64 capacity;
};

} // namespace

using Traces = std::array<TraceInput, 3>;
Q_DECLARE_METATYPE(Traces)

class TestTraceExport : public QObject {
    Q_OBJECT

private slots:
    void writesTheFormat_data()
    {
        QTest::addColumn<Traces>("traces"); // X, Y, Z
        QTest::addColumn<QStringList>("lines");

        QTest::newRow("X with three points, Y hidden, Z with two")
            << Traces { shownTrace({ 1, 0, 0, 0, 1, 0, 0, 0, 1 }), hidden(),
                   shownTrace({ 0.5, 0.25, 0.125, -1, -2, -3 }) }
            << QStringList { "#vorlix export:", "o XLine", "v 1.000000 0.000000 0.000000",
                   "v 0.000000 1.000000 0.000000", "v 0.000000 0.000000 1.000000", "f 1 2", "f 2 3",
                   "o ZLine", "v 0.500000 0.250000 0.125000", "v -1.000000 -2.000000 -3.000000",
                   "f 4 5" };

        QTest::newRow("shown but empty") << Traces { shownTrace({}), hidden(), hidden() }
                                         << QStringList { "#vorlix export:", "o XLine" };

        QTest::newRow("one point has no segment")
            << Traces { hidden(), hidden(), shownTrace({ 0.1, 0.2, 0.3 }) }
            << QStringList { "#vorlix export:", "o ZLine", "v 0.100000 0.200000 0.300000" };

        QTest::newRow("Y and Z only are numbered from 1")
            << Traces { hidden(), shownTrace({ 1, 1, 1, 2, 2, 2 }),
                   shownTrace({ 3, 3, 3, 4, 4, 4 }) }
            << QStringList { "#vorlix export:", "o YLine", "v 1.000000 1.000000 1.000000",
                   "v 2.000000 2.000000 2.000000", "f 1 2", "o ZLine",
                   "v 3.000000 3.000000 3.000000", "v 4.000000 4.000000 4.000000", "f 3 4" };

        QTest::newRow("negative half keeps its sign")
            << Traces { shownTrace({ -0.5, 0, 1 }), hidden(), hidden() }
            << QStringList { "#vorlix export:", "o XLine", "v -0.500000 0.000000 1.000000" };

        QTest::newRow("rounded to six decimals")
            << Traces { shownTrace({ 0.12345649, 0.99999951, -0.0000004 }), hidden(), hidden() }
            << QStringList { "#vorlix export:", "o XLine", "v 0.123456 1.000000 -0.000000" };

        TraceInput unallocated = shownTrace({});
        unallocated.pointCount = 1000;
        unallocated.nullBuffer = true;
        QTest::newRow("a missing buffer has no points and takes no numbers")
            << Traces { unallocated, shownTrace({ 1, 2, 3, 4, 5, 6 }), hidden() }
            << QStringList { "#vorlix export:", "o XLine", "o YLine",
                   "v 1.000000 2.000000 3.000000", "v 4.000000 5.000000 6.000000", "f 1 2" };

        TraceInput partlyRecorded = shownTrace({ 1, 1, 1, 2, 2, 2, 9, 9, 9 });
        partlyRecorded.pointCount = 2;
        QTest::newRow("only the counted points are read")
            << Traces { partlyRecorded, hidden(), hidden() }
            << QStringList { "#vorlix export:", "o XLine", "v 1.000000 1.000000 1.000000",
                   "v 2.000000 2.000000 2.000000", "f 1 2" };

        TraceInput negativeCount = shownTrace({ 1, 1, 1 });
        negativeCount.pointCount = -3;
        QTest::newRow("a negative count is no points") << Traces { negativeCount, hidden(),
            hidden() } << QStringList { "#vorlix export:", "o XLine" };

        QTest::newRow("nothing shown")
            << Traces { hidden(), hidden(), hidden() } << QStringList { "#vorlix export:" };
    }
    void writesTheFormat()
    {
        QFETCH(Traces, traces);
        QFETCH(QStringList, lines);

        const QByteArray text = exportText(traces[0], traces[1], traces[2]);
        QVERIFY(text.endsWith('\n'));
        const QStringList written = QString::fromLatin1(text.chopped(1)).split('\n');
        QCOMPARE(written, lines);
        QCOMPARE(text, linesToText(lines));
    }
    void coordinatesAreFormattedLikeQString_data()
    {
        QTest::addColumn<double>("value");

        // Values where a different formatting routine would part company with Qt's.
        QTest::newRow("tie below the sixth decimal") << 0.0078125;
        QTest::newRow("negative tie") << -0.0078125;
        QTest::newRow("negative zero") << -0.0;
        QTest::newRow("tiny negative") << -1e-9;
        QTest::newRow("just below a carry") << 0.9999996;
        QTest::newRow("large") << 123456789.125;
        QTest::newRow("huge") << 1e22;
    }
    void coordinatesAreFormattedLikeQString()
    {
        QFETCH(double, value);
        const QByteArray number = QString::number(value, 'f', 6).toLatin1();
        const QByteArray text = exportText(shownTrace({ value, value, value }), hidden(), hidden());
        QCOMPARE(
            text, "#vorlix export:\no XLine\nv " + number + ' ' + number + ' ' + number + '\n');
    }
    void decimalCommaLocaleStillWritesFullStops()
    {
        const QLocale previousDefault;
        const QByteArray previousNumeric = std::setlocale(LC_NUMERIC, nullptr);
        QLocale::setDefault(QLocale(QLocale::German));
        // Also the C library's, where installed, as QCoreApplication would take it from LANG.
        std::setlocale(LC_NUMERIC, "de_DE.UTF-8");

        const QByteArray text = exportText(shownTrace({ 0.25, -1.5, 2 }), hidden(), hidden());

        std::setlocale(LC_NUMERIC, previousNumeric.constData());
        QLocale::setDefault(previousDefault);
        QCOMPARE(text, QByteArray("#vorlix export:\no XLine\nv 0.250000 -1.500000 2.000000\n"));
    }
    void longTracesSurviveChunking()
    {
        // Several megabytes: the text crosses many chunk boundaries.
        const int count = 200000;
        const QByteArray text = exportText(
            shownTrace(pointsOnCircle(count)), hidden(), shownTrace({ 0, 0, 1, 0, 1, 0 }));
        const QList<QByteArray> lines = text.chopped(1).split('\n');

        QCOMPARE(lines.size(), 1 + (1 + count + count - 1) + (1 + 2 + 1));
        QCOMPARE(lines.at(1), QByteArray("o XLine"));
        QCOMPARE(lines.at(2), QByteArray("v 1.000000 0.000000 -0.250000"));
        QCOMPARE(lines.at(1 + count + 1), QByteArray("f 1 2"));
        QCOMPARE(lines.at(1 + count + count - 1),
            "f " + QByteArray::number(count - 1) + ' ' + QByteArray::number(count));
        QCOMPARE(lines.at(1 + count + count), QByteArray("o ZLine"));
        QCOMPARE(lines.last(),
            "f " + QByteArray::number(count + 1) + ' ' + QByteArray::number(count + 2));
        int vertexLines = 0;
        for (const QByteArray &line : lines)
            vertexLines += line.startsWith("v ") && line.count(' ') == 3 ? 1 : 0;
        QCOMPARE(vertexLines, count + 2);
    }
    void readsBackWithTheObjReader()
    {
        const QVector<double> x = pointsOnCircle(1000);
        const QVector<double> z = { -0.5, 0, 1, 0.5, 0, -1, 0, 0, 0 };
        const QByteArray text = exportText(shownTrace(x), hidden(), shownTrace(z));

        const vorlix::ObjMesh mesh = vorlix::readObj(text, '.');
        QCOMPARE(mesh.vertexCount, 1000 + 3);
        const QVector<double> all = x + z;
        QCOMPARE(int(mesh.vertices.size()), all.size());
        // Six decimals (half a unit of the last one) plus the reader's single precision.
        const double tolerance = 5e-7 + 1e-7;
        for (int i = 0; i < all.size(); ++i)
            QVERIFY2(std::abs(mesh.vertices[std::size_t(i)] - all[i]) <= tolerance,
                qPrintable(QString("coordinate %1").arg(i)));
    }
    void stopsWhenTheDeviceIsFull()
    {
        FillingDevice device(100000);
        const QVector<double> points = pointsOnCircle(300000);
        const RecordedTrace trace { points.constData(), 300000, true };

        QVERIFY(!vorlix::writeTracesAsObj(&device, trace, trace, trace));
        // It gave up at the first refused chunk instead of formatting the other megabytes.
        QCOMPARE(device.writeCalls, 1);
    }
};

QTEST_APPLESS_MAIN(TestTraceExport)
#include "tst_traceexport.moc"
