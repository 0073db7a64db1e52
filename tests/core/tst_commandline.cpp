// SPDX-License-Identifier: GPL-3.0-or-later
#include "commandline.h"
#include "integrator.h"

#include <QtTest>

using vorlix::CommandLine;

class TestCommandLine : public QObject {
    Q_OBJECT

private slots:
    void accepted_data();
    void accepted();
    void rejected_data();
    void rejected();
    void motion_data();
    void motion();
};

namespace {

CommandLine parse(const QString &arguments)
{
    return vorlix::parseCommandLine(
        QStringList("vorlix") + arguments.split(' ', Qt::SkipEmptyParts));
}

/// The fields a row names, as text.
QString field(const CommandLine &c, const QString &name)
{
    const QMap<QString, QString> fields {
        { "action", QString::number(int(c.action)) },
        { "preset", c.presetName },
        { "integrator", c.stepper->name() },
        { "simulate", QString::number(c.simulateSeconds) },
        { "csv", c.csvFile },
        { "rate", QString::number(c.rowsPerSecond) },
        { "video",
            QString("%1 %2 %3 %4")
                .arg(c.videoFile)
                .arg(c.videoSeconds)
                .arg(c.videoFramesPerSecond)
                .arg(c.videoSize) },
    };
    return fields.value(name);
}

} // namespace

void TestCommandLine::accepted_data()
{
    QTest::addColumn<QString>("arguments");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("value");

    const QString window = QString::number(int(CommandLine::Action::Window));
    QTest::newRow("none: the window") << ""
                                      << "action" << window;
    QTest::newRow("Qt's -platform") << "-platform offscreen"
                                    << "action" << window;
    QTest::newRow("Qt's -style, then ours") << "-style fusion --preset Top"
                                            << "preset"
                                            << "Top";
    QTest::newRow("Qt's --style=") << "--style=fusion -reverse"
                                   << "action" << window;
    QTest::newRow("help") << "--help"
                          << "action" << QString::number(int(CommandLine::Action::Help));
    QTest::newRow("version") << "-v"
                             << "action" << QString::number(int(CommandLine::Action::Version));
    QTest::newRow("simulate") << "--simulate 60 --preset P --csv -"
                              << "action" << QString::number(int(CommandLine::Action::Simulate));
    QTest::newRow("euler by default") << "--simulate 1 --preset P --csv a"
                                      << "integrator"
                                      << "Explicit Euler";
    QTest::newRow("accurate") << "--integrator accurate"
                              << "integrator"
                              << "Accurate";
    QTest::newRow("rate") << "--simulate 1e1 --moments 1,2,3 --omega 0,1,0 --csv a --rate 50.5"
                          << "rate"
                          << "50.5";
    QTest::newRow("video, defaults") << "--video v.mp4 --length 5 --preset P"
                                     << "video"
                                     << "v.mp4 5 30 600";
}

void TestCommandLine::accepted()
{
    QFETCH(QString, arguments);
    QFETCH(QString, field);
    QFETCH(QString, value);

    const CommandLine command = parse(arguments);
    QCOMPARE(command.error, QString());
    QCOMPARE(::field(command, field), value);
}

void TestCommandLine::rejected_data()
{
    QTest::addColumn<QString>("arguments");
    QTest::addColumn<QString>("named"); // the error must name this

    QTest::newRow("unknown option") << "--bogus"
                                    << "bogus";
    QTest::newRow("missing value") << "--preset"
                                   << "preset";
    QTest::newRow("stray argument") << "stray"
                                    << "stray";
    QTest::newRow("zero moment") << "--moments 1,0,2"
                                 << "1,0,2";
    QTest::newRow("two moments") << "--moments 1,2"
                                 << "moments";
    QTest::newRow("not numbers") << "--omega a,b,c"
                                 << "a,b,c";
    QTest::newRow("speed 0") << "--speed 0"
                             << "speed";
    QTest::newRow("unknown integrator") << "--integrator rk4"
                                        << "rk4";
    QTest::newRow("iterations 0") << "--iterations 0"
                                  << "iterations";
    QTest::newRow("seconds not a number") << "--simulate x --preset P --csv a"
                                          << "simulate";
    QTest::newRow("simulate without csv") << "--simulate 5 --preset P"
                                          << "--csv";
    QTest::newRow("csv without simulate") << "--csv a"
                                          << "--simulate";
    QTest::newRow("simulate without motion") << "--simulate 5 --omega 1,2,3 --csv a"
                                             << "motion";
    QTest::newRow("video without length") << "--video v.mp4 --preset P"
                                          << "--length";
}

void TestCommandLine::rejected()
{
    QFETCH(QString, arguments);
    QFETCH(QString, named);

    const QString error = parse(arguments).error;
    QVERIFY2(error.contains(named), qPrintable(error));
    QVERIFY(!error.contains('\n'));
}

void TestCommandLine::motion_data()
{
    QTest::addColumn<QString>("arguments");
    QTest::addColumn<bool>("withPreset"); // moments 4,5,6, ω 1,0,0, speed 2, 7 iterations
    QTest::addColumn<QString>("expected"); // moments, ω, speed, iterations

    QTest::newRow("the preset's") << "" << true << "4 5 6 1 0 0 2 7";
    QTest::newRow("options win") << "--moments 1,2,3 --speed -1 --iterations 9" << true
                                 << "1 2 3 1 0 0 -1 9";
    QTest::newRow("no preset") << "--moments 1,2,3 --omega 0,0,1" << false << "1 2 3 0 0 1 1 50";
}

void TestCommandLine::motion()
{
    QFETCH(QString, arguments);
    QFETCH(bool, withPreset);
    QFETCH(QString, expected);

    vorlix::Preset preset;
    preset = { "P", 4, 5, 6, 1, 0, 0, 2, 7 };
    const vorlix::Motion m = vorlix::resolveMotion(
        parse(arguments), withPreset ? std::optional(preset) : std::nullopt);
    QStringList values;
    for (double v : { m.moments.x, m.moments.y, m.moments.z, m.omega.x, m.omega.y, m.omega.z,
             m.speed, double(m.iterationsPerFrame) })
        values << QString::number(v);
    QCOMPARE(values.join(' '), expected);
}

QTEST_APPLESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
