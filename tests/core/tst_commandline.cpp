// SPDX-License-Identifier: GPL-3.0-or-later
#include "commandline.h"
#include "integrator.h"

#include <QtTest>

namespace {

void row(const char *name, const char *arguments, const char *field, const char *value)
{
    QTest::newRow(name) << QString(arguments) << QString(field) << QString(value);
}

QString numbers(std::initializer_list<double> values)
{
    QStringList texts;
    for (double v : values)
        texts << QString::number(v);
    return texts.join(' ');
}

} // namespace

class TestCommandLine : public QObject {
    Q_OBJECT

private slots:
    void parse_data()
    {
        QTest::addColumn<QString>("arguments");
        QTest::addColumn<QString>("field"); // "error": the one-line error names `value`
        QTest::addColumn<QString>("value");

        row("none", "", "action", "window");
        row("Qt's -platform", "-platform offscreen", "action", "window");
        row("Qt's -style, then ours", "-style fusion --preset Top", "preset", "Top");
        row("Qt's --style=, -reverse", "--style=fusion -reverse", "action", "window");
        row("help", "--help", "action", "help");
        row("version", "-v", "action", "version");
        row("simulate", "--simulate 60 --preset P --csv -", "action", "simulate");
        row("euler unless asked", "--speed -2", "integrator", "Explicit Euler");
        row("accurate", "--integrator accurate", "integrator", "Accurate");
        row("rate", "--simulate 1 --moments 1,2,3 --omega 0,1,0 --csv a --rate 50.5", "rate",
            "50.5");
        row("unknown option", "--bogus", "error", "bogus");
        row("missing value", "--preset", "error", "preset");
        row("stray argument", "stray", "error", "stray");
        row("zero moment", "--moments 1,0,2", "error", "1,0,2");
        row("not numbers", "--omega a,b,c", "error", "a,b,c");
        row("speed 0", "--speed 0", "error", "speed");
        row("unknown integrator", "--integrator rk4", "error", "rk4");
        row("seconds not a number", "--simulate x --preset P --csv a", "error", "simulate");
        row("simulate without csv", "--simulate 5 --preset P", "error", "--csv");
        row("simulate without motion", "--simulate 5 --omega 1,2,3 --csv a", "error", "motion");
        row("the preset's motion", "--preset P", "motion", "4 5 6 1 0 0 2 7");
        row("options over the preset", "--preset P --moments 1,2,3 --speed -1 --iterations 9",
            "motion", "1 2 3 1 0 0 -1 9");
        row("no preset", "--moments 1,2,3 --omega 0,0,1", "motion", "1 2 3 0 0 1 1 50");
        row("video without length", "--video v.mp4 --preset P", "error", "--length");
    }
    void parse()
    {
        QFETCH(QString, arguments);
        QFETCH(QString, field);
        QFETCH(QString, value);

        const vorlix::CommandLine c = vorlix::parseCommandLine(
            QStringList("vorlix") + arguments.split(' ', Qt::SkipEmptyParts));
        if (field == "error") {
            QVERIFY2(c.error.contains(value) && !c.error.contains('\n'), qPrintable(c.error));
            return;
        }
        QCOMPARE(c.error, QString());
        const vorlix::Preset p { "P", 4, 5, 6, 1, 0, 0, 2, 7, {} };
        const vorlix::Motion m
            = vorlix::resolveMotion(c, c.presetName.isEmpty() ? std::nullopt : std::optional(p));
        const QMap<QString, QString> fields {
            { "motion",
                numbers({ m.moments.x, m.moments.y, m.moments.z, m.omega.x, m.omega.y, m.omega.z,
                    m.speed, double(m.iterationsPerFrame) }) },
            { "action", QStringList { "window", "help", "version", "simulate" }[int(c.action)] },
            { "preset", c.presetName },
            { "integrator", c.stepper->name() },
            { "rate", QString::number(c.rowsPerSecond) },
        };
        QCOMPARE(fields.value(field), value);
    }
};

QTEST_APPLESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
