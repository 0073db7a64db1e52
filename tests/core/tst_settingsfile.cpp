// SPDX-License-Identifier: GPL-3.0-or-later
#include "settingsfile.h"
#include "settingsimport.h"

#include <QTextStream>
#include <QtTest>
#include <climits>
#include <optional>

using vorlix::Preset;
using vorlix::SettingsFile;
using vorlix::SettingsImportProblem;

Q_DECLARE_METATYPE(Preset)
Q_DECLARE_METATYPE(SettingsFile)
Q_DECLARE_METATYPE(SettingsImportProblem)
// What a settings file's display line gave, if it had one.
using Colour = std::optional<QString>;
using Width = std::optional<float>;
Q_DECLARE_METATYPE(Colour)
Q_DECLARE_METATYPE(Width)

namespace {

SettingsFile parse(QString text)
{
    QTextStream in(&text, QIODevice::ReadOnly);
    return vorlix::readSettings(in);
}

QString written(const SettingsFile &settings)
{
    QString text;
    QTextStream out(&text, QIODevice::WriteOnly);
    vorlix::writeSettings(out, settings);
    out.flush();
    return text;
}

Preset preset(const QString &name, double ix, double iy, double iz, double wx, double wy, double wz,
    double speed, int iterPerFrame)
{
    Preset p;
    p.name = name;
    p.inertiaX = ix;
    p.inertiaY = iy;
    p.inertiaZ = iz;
    p.omegaX = wx;
    p.omegaY = wy;
    p.omegaZ = wz;
    p.speed = speed;
    p.iterPerFrame = iterPerFrame;
    return p;
}

// A preset holding only what its section did not set: the panel's start values.
Preset untouched(const QString &name, int iterPerFrame, const QString &bodyFile = {})
{
    Preset p = preset(name, 1, 1, 1, 0.0025, 0.5, 0.0025, 1, iterPerFrame);
    p.bodyFile = bodyFile;
    return p;
}

// Values parsed from text compare exactly; the products with the turns factor are
// computed the same way in the expectation, so exact comparison holds there too.
void comparePresets(const QVector<Preset> &actual, const QVector<Preset> &expected)
{
    QCOMPARE(actual.size(), expected.size());
    for (int i = 0; i < actual.size(); ++i) {
        const Preset &a = actual[i];
        const Preset &e = expected[i];
        QCOMPARE(a.name, e.name);
        QCOMPARE(a.inertiaX, e.inertiaX);
        QCOMPARE(a.inertiaY, e.inertiaY);
        QCOMPARE(a.inertiaZ, e.inertiaZ);
        QCOMPARE(a.omegaX, e.omegaX);
        QCOMPARE(a.omegaY, e.omegaY);
        QCOMPARE(a.omegaZ, e.omegaZ);
        QCOMPARE(a.speed, e.speed);
        QCOMPARE(a.iterPerFrame, e.iterPerFrame);
        QCOMPARE(a.bodyFile, e.bodyFile);
    }
}

void compareSettings(const SettingsFile &actual, const SettingsFile &expected)
{
    QCOMPARE(actual.colourSeen, expected.colourSeen);
    QCOMPARE(actual.colourText, expected.colourText);
    QCOMPARE(actual.lineWidthSeen, expected.lineWidthSeen);
    QCOMPARE(actual.lineWidth, expected.lineWidth);
    comparePresets(actual.presets, expected.presets);
}

// Numbers with at most six significant digits: exactly what the writer keeps.
double sixDigitValue(quint32 seed)
{
    const int mantissa = int(seed % 1999999) - 999999;
    const int exponent = int((seed / 1999999) % 17) - 8;
    return QString("%1e%2").arg(mantissa).arg(exponent).toDouble();
}

} // namespace

class TestSettingsFile : public QObject {
    Q_OBJECT

private slots:
    void displaySettings_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<Colour>("colour"); // none: no colour line seen
        QTest::addColumn<Width>("lineWidth"); // none: no width line seen
        QTest::addColumn<int>("presetCount");

        const Colour noColour;
        const Width noWidth;
        QTest::newRow("green, width 2, no presets") << "Color=00ff00\nLineWidth=2\n"
                                                    << Colour("00ff00") << Width(2) << 0;
        QTest::newRow("hash in the colour value starts a comment") << "Color=#00ff00\n"
                                                                   << Colour("") << noWidth << 0;
        QTest::newRow("second colour ignored") << "Color=ff0000\nColor=00ff00\n"
                                               << Colour("ff0000") << noWidth << 0;
        QTest::newRow("second Line ignored") << "LineWidth=3\nLineWidth=5\n"
                                             << noColour << Width(3) << 0;
        QTest::newRow("any key beginning with Line counts first") << "Linear=7\nLineWidth=2\n"
                                                                  << noColour << Width(7) << 0;
        QTest::newRow("display lines after the presets")
            << "[a]\nIx=2\niterPerFrame=5\nColor=0000ff\nLineWidth=4\n"
            << Colour("0000ff") << Width(4) << 1;
        QTest::newRow("neither line") << "[a]\n" << noColour << noWidth << 1;
        QTest::newRow("width that is no number reads 0") << "LineWidth=wide\n"
                                                         << noColour << Width(0) << 0;
        QTest::newRow("colour value ends at the next equals sign")
            << "Color=123456=abcdef\n"
            << Colour("123456") << noWidth << 0;
        QTest::newRow("colour line without equals sign is no colour line")
            << "Color\nColor=654321\n"
            << Colour("654321") << noWidth << 0;
        QTest::newRow("width that is not finite is no width line") << "LineWidth=inf\nLineWidth=2\n"
                                                                   << noColour << Width(2) << 0;
        QTest::newRow("colour and width lines start no preset")
            << "Color=ffffff\nLineWidth=1.5\nIx=3\n"
            << Colour("ffffff") << Width(1.5) << 0;
    }
    void displaySettings()
    {
        QFETCH(QString, text);
        QFETCH(Colour, colour);
        QFETCH(Width, lineWidth);
        QFETCH(int, presetCount);

        const SettingsFile settings = parse(text);
        QCOMPARE(settings.colourSeen, colour.has_value());
        if (colour)
            QCOMPARE(settings.colourText, *colour);
        QCOMPARE(settings.lineWidthSeen, lineWidth.has_value());
        if (lineWidth)
            QCOMPARE(settings.lineWidth, *lineWidth);
        QCOMPARE(settings.presets.size(), presetCount);
    }
    void presets_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QVector<Preset>>("expected");

        const double turn = vorlix::radiansPerTurn;

        QTest::newRow("all keys")
            << "[Top]\nIx=1\nIy=2\nIz=3\nWx=0.1\nWy=-4\nWz=5e-3\nSpeed=2.5\niterPerFrame=20\n"
            << QVector<Preset> { preset("Top", 1, 2, 3, 0.1, -4, 0.005, 2.5, 20) };
        QTest::newRow("I1 to I3 are the moments")
            << "[p]\nI1=2\nI2=3\nI3=4\niterPerFrame=1\n"
            << QVector<Preset> { preset("p", 2, 3, 4, 0.0025, 0.5, 0.0025, 1, 1) };
        QTest::newRow("upper-case W in rad/s")
            << "[p]\nWx=1\nWy=2\nWz=3\niterPerFrame=1\n"
            << QVector<Preset> { preset("p", 1, 1, 1, 1, 2, 3, 1, 1) };
        QTest::newRow("lower-case w in turns per second")
            << "[p]\nwx=1\nwy=0.5\nwz=-2\niterPerFrame=1\n"
            << QVector<Preset> { preset("p", 1, 1, 1, 1 * turn, 0.5 * turn, -2 * turn, 1, 1) };
        QTest::newRow("iterPerFrame truncated toward zero")
            << "[a]\niterPerFrame=12.9\n[b]\niterPerFrame=-3.7\n"
            << QVector<Preset> { untouched("a", 12), untouched("b", -3) };
        QTest::newRow("iterPerFrame beyond int range is clamped")
            << "[a]\niterPerFrame=1e12\n[b]\niterPerFrame=-1e12\n"
            << QVector<Preset> { untouched("a", INT_MAX), untouched("b", INT_MIN) };
        QTest::newRow("three presets, two iterPerFrame lines: all 1000")
            << "[a]\niterPerFrame=5\n[b]\niterPerFrame=6\n[c]\nIx=2\n"
            << QVector<Preset> { untouched("a", 1000), untouched("b", 1000),
                   preset("c", 2, 1, 1, 0.0025, 0.5, 0.0025, 1, 1000) };
        QTest::newRow("iterPerFrame lines are counted, not presets")
            << "[a]\niterPerFrame=5\niterPerFrame=6\n[b]\nIx=2\n"
            << QVector<Preset> { untouched("a", 6),
                   preset("b", 2, 1, 1, 0.0025, 0.5, 0.0025, 1, 1000) };
        QTest::newRow("name without closing bracket loses its last character")
            << "[abc\niterPerFrame=1\n"
            << QVector<Preset> { untouched("ab", 1) };
        QTest::newRow("empty brackets give the empty name") << "[]\niterPerFrame=1\n"
                                                            << QVector<Preset> { untouched("", 1) };
        QTest::newRow("name keeps inner blanks and brackets")
            << "[ a [b] ]\niterPerFrame=1\n"
            << QVector<Preset> { untouched(" a [b] ", 1) };
        QTest::newRow("key line before the first header ignored")
            << "Ix=5\niterPerFrame=7\n[p]\niterPerFrame=2\n"
            << QVector<Preset> { untouched("p", 2) };
        QTest::newRow("line without equals sign ignored")
            << "[p]\nIx\nIy=2\niterPerFrame=1\n"
            << QVector<Preset> { preset("p", 1, 2, 1, 0.0025, 0.5, 0.0025, 1, 1) };
        QTest::newRow("missing keys keep the panel's start values")
            << "[p]\niterPerFrame=20\n"
            << QVector<Preset> { untouched("p", 20) };
        QTest::newRow("value ends at the next equals sign")
            << "[p]\nIx=2=3\niterPerFrame=1\n"
            << QVector<Preset> { preset("p", 2, 1, 1, 0.0025, 0.5, 0.0025, 1, 1) };
        QTest::newRow("value that is no number reads 0")
            << "[p]\nIx=heavy\nSpeed=\niterPerFrame=x\n"
            << QVector<Preset> { preset("p", 0, 1, 1, 0.0025, 0.5, 0.0025, 0, 0) };
        QTest::newRow("numbers that are not finite read as missing keys")
            << "[p]\nIx=nan\nIy=inf\nIz=-inf\nWx=NaN\nwy=1e308\nSpeed=nan\n[q]\niterPerFrame=inf\n"
            << QVector<Preset> { untouched("p", 1000), untouched("q", 1000) };
        QTest::newRow("blank before the equals sign makes another key")
            << "[p]\nIx =5\niterPerFrame=1\n"
            << QVector<Preset> { untouched("p", 1) };
        QTest::newRow("keys are case-sensitive")
            << "[p]\nix=5\nspeed=3\nIterPerFrame=4\nWX=2\n[q]\niterPerFrame=1\n[r]\niterPerFrame="
               "1\n"
            << QVector<Preset> { untouched("p", 1000), untouched("q", 1000), untouched("r", 1000) };
        QTest::newRow("comments, indentation and empty lines")
            << "# shipped presets\n\n   [p]   # first\n\tIx=4 # heavy\n\n#Iy=9\n  iterPerFrame=3\n"
            << QVector<Preset> { preset("p", 4, 1, 1, 0.0025, 0.5, 0.0025, 1, 3) };
        QTest::newRow("display keys store nothing in a preset")
            << "[p]\nColor=ff0000\nLineWidth=3\niterPerFrame=1\n"
            << QVector<Preset> { untouched("p", 1) };
        QTest::newRow("Body names the mesh; the last one counts")
            << "[a]\nBody=x.obj\nBody=tee.obj\niterPerFrame=1\n[b]\nBody=\niterPerFrame=1\n"
            << QVector<Preset> { untouched("a", 1, "tee.obj"), untouched("b", 1) };
        QTest::newRow("Body runs to the line's end, comment excluded")
            << "[p]\nBody= /a=b/c d.obj # mine\niterPerFrame=1\n"
            << QVector<Preset> { untouched("p", 1, "/a=b/c d.obj") };
        QTest::newRow("empty file") << "" << QVector<Preset> {};
    }
    void presets()
    {
        QFETCH(QString, text);
        QFETCH(QVector<Preset>, expected);
        comparePresets(parse(text).presets, expected);
    }
    void carriageReturnsAreTrimmed()
    {
        const QString lf = "Color=102030\nLineWidth=3\n\n[a]\nIx=2\nwy=1\niterPerFrame=12\n\n"
                           "[b]\nI3=7\niterPerFrame=4\n";
        QString crlf = lf;
        crlf.replace("\n", "\r\n");
        compareSettings(parse(crlf), parse(lf));
    }
    void writtenFile_data()
    {
        QTest::addColumn<SettingsFile>("settings");
        QTest::addColumn<QString>("expected");

        SettingsFile green;
        green.colourText = "00ff00";
        green.lineWidth = 2;
        QTest::newRow("display settings only") << green << "Color=00ff00\nLineWidth=2\n\n";

        SettingsFile one;
        one.colourText = "1a2b3c";
        one.lineWidth = 1.5f;
        one.presets = { preset("Top", 1, 2, 3, 0.0025, -0.5, 1e9, 1, 40) };
        one.presets[0].bodyFile = "tee.obj";
        QTest::newRow("one preset, its body last")
            << one
            << "Color=1a2b3c\nLineWidth=1.5\n\n"
               "[Top]\nIx=1\nIy=2\nIz=3\nWx=0.0025\nWy=-0.5\nWz=1e+09\n"
               "Speed=1\niterPerFrame=40\nBody=tee.obj\n\n";

        SettingsFile deleted;
        deleted.colourText = "000000";
        deleted.presets
            = { untouched("b", 1), untouched("", 2), untouched("a", 3), untouched("", 4) };
        QTest::newRow("empty names dropped, order kept")
            << deleted
            << "Color=000000\nLineWidth=1\n\n"
               "[b]\nIx=1\nIy=1\nIz=1\nWx=0.0025\nWy=0.5\nWz=0.0025\nSpeed=1\niterPerFrame=1\n\n"
               "[a]\nIx=1\nIy=1\nIz=1\nWx=0.0025\nWy=0.5\nWz=0.0025\nSpeed=1\niterPerFrame=3\n\n";
    }
    void writtenFile()
    {
        QFETCH(SettingsFile, settings);
        QFETCH(QString, expected);
        QCOMPARE(written(settings), expected);
    }
    void numberFormat_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");

        QTest::newRow("rounded to six digits") << 1.23456789 << "1.23457";
        QTest::newRow("small fraction stays fixed") << 0.0025 << "0.0025";
        QTest::newRow("exponent -4 stays fixed") << 0.0001 << "0.0001";
        QTest::newRow("exponent -5 is scientific") << 0.00001 << "1e-05";
        QTest::newRow("six digits stay fixed") << 123456.0 << "123456";
        QTest::newRow("seven digits are scientific") << 1234567.0 << "1.23457e+06";
        QTest::newRow("a billion") << 1e9 << "1e+09";
        QTest::newRow("trailing zeros dropped") << 2.50 << "2.5";
        QTest::newRow("negative") << -9999.99 << "-9999.99";
        QTest::newRow("zero") << 0.0 << "0";
    }
    void numberFormat()
    {
        QFETCH(double, value);
        QFETCH(QString, text);

        SettingsFile settings;
        settings.presets = { preset("n", value, 1, 1, 1, 1, 1, 1, 1) };
        const QStringList lines = written(settings).split('\n');
        QVERIFY(lines.contains("Ix=" + text));

        // What is written reads back as the written text's value.
        QCOMPARE(parse(written(settings)).presets.at(0).inertiaX, text.toDouble());
    }
    void roundTrip()
    {
        SettingsFile store;
        store.colourText = "c0ffee";
        store.lineWidth = 2.5f;
        quint32 seed = 12345;
        auto next = [&seed]() {
            seed = seed * 1664525u + 1013904223u;
            return sixDigitValue(seed >> 1);
        };
        for (int i = 0; i < 60; ++i) {
            const QString name
                = i % 7 == 0 ? QString("[%1] spin").arg(i) : QString("preset %1").arg(i);
            store.presets.append(preset(name, next(), next(), next(), next(), next(), next(),
                next(), int(seed % 1000000) + 1));
            if (i % 3 == 0)
                store.presets.last().bodyFile = QString("bodies/%1=b.obj").arg(i);
        }
        store.colourSeen = true;
        store.lineWidthSeen = true;

        compareSettings(parse(written(store)), store);
    }
    void importProblem_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<SettingsImportProblem>("expected");
        const auto none = SettingsImportProblem::None;
        const auto notSettings = SettingsImportProblem::NotSettingsFile;
        const auto moment = SettingsImportProblem::MomentNotPositive;
        QFile shipped(QFINDTESTDATA("../../data/default.ini"));
        QVERIFY(shipped.open(QIODevice::ReadOnly));
        QTest::newRow("the shipped presets") << shipped.readAll() << none;
        QTest::newRow("BOM, CRLF, every UTF-8 length")
            << QByteArray("\xEF\xBB\xBF[\xC3\xA4 \xE2\x80\x93 \xF0\x9F\x98\x80]\r\nIx=2\r\n")
            << none;
        QTest::newRow("NUL byte") << QByteArray("[a]\0\nIx=2\n", 11) << notSettings;
        QTest::newRow("Latin-1") << QByteArray("[K\xF6rper]\n") << notSettings;
        QTest::newRow("overlong slash") << QByteArray("[\xC0\xAF]\n") << notSettings;
        QTest::newRow("surrogate") << QByteArray("[\xED\xA0\x80]\n") << notSettings;
        QTest::newRow("past U+10FFFF") << QByteArray("[\xF4\x90\x80\x80]\n") << notSettings;
        QTest::newRow("cut short at the end") << QByteArray("[a]\n#\xE2\x82") << notSettings;
        QTest::newRow("header without ]") << QByteArray("[broken\nIx=2\n") << notSettings;
        QTest::newRow("mesh lines") << QByteArray("v 0 0 1\nf 1 2 3\n") << notSettings;
        QTest::newRow("moment no number") << QByteArray("[a]\nIx=abc\n") << moment;
        QTest::newRow("moment negative, second preset")
            << QByteArray("[a]\n[b]\nI2=-1\n") << moment;
    }
    void importProblem()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(SettingsImportProblem, expected);
        QCOMPARE(vorlix::settingsImportProblem(bytes), expected);
    }
};

QTEST_APPLESS_MAIN(TestSettingsFile)
#include "tst_settingsfile.moc"
