// SPDX-License-Identifier: GPL-3.0-or-later
#include "commandline.h"

#include "accuratestepper.h"
#include "exactstepper.h"
#include "integrator.h"

#include <QCommandLineParser>

#include <algorithm>
#include <cmath>
#include <iterator>

namespace vorlix {

namespace {

/// The --integrator values, in the order --help lists them; a new scheme is one more row.
struct IntegratorChoice {
    const char *name;
    const Stepper &(*stepper)();
};
const IntegratorChoice integrators[] = {
    { "euler", explicitEuler },
    { "accurate", accurate },
    { "exact", exactSolution },
};

QString integratorNames()
{
    QStringList names;
    for (const IntegratorChoice &choice : integrators)
        names << QString::fromLatin1(choice.name);
    return names.join('|');
}

struct OptionText {
    const char *names; ///< the long name, then a short one after a comma
    const char *valueName; ///< empty for a switch
    const char *description;
};

const OptionText optionTexts[] = {
    { "help,h", "", QT_TRANSLATE_NOOP("CommandLine", "Print this help and exit.") },
    { "version,v", "", QT_TRANSLATE_NOOP("CommandLine", "Print the program's version and exit.") },
    { "preset", "NAME",
        QT_TRANSLATE_NOOP("CommandLine",
            "Take the values of the preset NAME from ~/.vorlix/user.ini, or from default.ini "
            "in the working directory while there is no user.ini.") },
    { "body", "FILE", QT_TRANSLATE_NOOP("CommandLine", "Show the OBJ mesh FILE as the body.") },
    { "moments", "A,B,C",
        QT_TRANSLATE_NOOP("CommandLine", "Principal moments Ix, Iy, Iz (each above 0).") },
    { "omega", "X,Y,Z",
        QT_TRANSLATE_NOOP(
            "CommandLine", "Initial angular velocity about the body's axes, rad/s.") },
    { "speed", "S",
        QT_TRANSLATE_NOOP("CommandLine",
            "Run the motion S times as fast (not 0; below 0 runs it backwards). Default: the "
            "preset's, else 1.") },
    { "integrator", "NAME", QT_TRANSLATE_NOOP("CommandLine", "Integrator: %1. Default: euler.") },
    { "iterations", "N",
        QT_TRANSLATE_NOOP(
            "CommandLine", "Sub-steps per tick, 1 to 1000000. Default: the preset's, else 50.") },
    { "simulate", "SECONDS",
        QT_TRANSLATE_NOOP("CommandLine",
            "Run the motion for SECONDS of its own time without a display and write it to "
            "--csv; needs --preset, or --moments and --omega.") },
    { "csv", "FILE",
        QT_TRANSLATE_NOOP(
            "CommandLine", "Where --simulate writes its table; - is standard output.") },
    { "rate", "HZ",
        QT_TRANSLATE_NOOP("CommandLine",
            "Rows per second of the motion's time, at most one per tick. Default: 250.") },
    { "video", "FILE",
        QT_TRANSLATE_NOOP("CommandLine",
            "Render the motion to the video FILE; needs --length, a motion, and a display or "
            "an OpenGL context the program can make.") },
    { "length", "SECONDS", QT_TRANSLATE_NOOP("CommandLine", "Length of the video.") },
    { "fps", "N", QT_TRANSLATE_NOOP("CommandLine", "Video frames per second. Default: 30.") },
    { "size", "N",
        QT_TRANSLATE_NOOP("CommandLine", "Video width and height in pixels. Default: 600.") },
};

const char *const notes[] = {
    QT_TRANSLATE_NOOP("CommandLine",
        "The CSV gives the motion in its own units, the same at any speed: t is speed times "
        "the simulated time (a tick is 4 ms of simulated time), the angular velocity is the "
        "simulated one divided by speed."),
    QT_TRANSLATE_NOOP("CommandLine", "Qt's own options (-platform, -style, ...) go on to Qt."),
    QT_TRANSLATE_NOOP("CommandLine",
        "Exit status: 0 done, 1 the run failed (file not writable, simulation diverged), "
        "2 bad arguments."),
};

/// `start` padded to `indent` columns, then `words` filled into lines of at most 79
/// columns, the following ones indented by `indent`.
QString wrapped(const QString &start, const QString &words, int indent)
{
    QString text;
    QString line = start.isEmpty() ? start : start.leftJustified(indent - 1) + ' ';
    for (const QString &word : words.split(' ')) {
        if (line.size() + word.size() > 79 && line.size() > indent) {
            line.chop(1);
            text += line + '\n';
            line = QString(indent, ' ');
        }
        line += word + ' ';
    }
    line.chop(1);
    return text + line + '\n';
}

/// Qt's options that take a value, as QGuiApplication and QApplication read them from argv.
const char *const qtOptionsWithValue[] = { "platform", "platformpluginpath", "platformtheme",
    "plugin", "qwindowgeometry", "qwindowicon", "qwindowtitle", "session", "display", "geometry",
    "style", "stylesheet", "qmljsdebugger" };
const char *const qtSwitches[]
    = { "reverse", "widgetcount", "nograb", "dograb", "sync", "testability" };

/// Whether `argument` is one of Qt's options; `takesNext` tells whether the following
/// argument is its value.
bool isQtOption(const QString &argument, bool *takesNext)
{
    if (!argument.startsWith('-') || argument == "--")
        return false;
    const QString word = argument.mid(argument.startsWith("--") ? 2 : 1);
    const int equals = word.indexOf('=');
    const QString name = word.left(equals);
    for (const char *option : qtOptionsWithValue) {
        if (name == QLatin1String(option)) {
            *takesNext = equals < 0;
            return true;
        }
    }
    for (const char *option : qtSwitches) {
        if (word == QLatin1String(option)) {
            *takesNext = false;
            return true;
        }
    }
    return false;
}

QStringList withoutQtOptions(const QStringList &arguments)
{
    QStringList ours;
    for (int i = 0; i < arguments.size(); ++i) {
        bool takesNext = false;
        if (i > 0 && isQtOption(arguments[i], &takesNext))
            i += takesNext ? 1 : 0;
        else
            ours << arguments[i];
    }
    return ours;
}

QString problem(const char *text, const QString &a, const QString &b = QString())
{
    return b.isNull() ? QString(text).arg(a) : QString(text).arg(a, b);
}

/// Reads the values of a parser that accepted the arguments; the first problem wins.
class Reader {
public:
    explicit Reader(const QCommandLineParser &parser) : parser(parser) { }

    QString error;

    bool isSet(const char *name) const { return parser.isSet(QString::fromLatin1(name)); }
    QString text(const char *name) const { return parser.value(QString::fromLatin1(name)); }

    /// A finite number above 0 (`positive`) or other than 0.
    std::optional<double> number(const char *name, bool positive)
    {
        if (!isSet(name))
            return std::nullopt;
        bool ok = false;
        const double value = text(name).toDouble(&ok);
        if (ok && std::isfinite(value) && (positive ? value > 0 : value != 0))
            return value;
        fail(positive
                ? QT_TRANSLATE_NOOP("CommandLine", "--%1 needs a number above 0, not \"%2\"")
                : QT_TRANSLATE_NOOP("CommandLine", "--%1 needs a number other than 0, not \"%2\""),
            name);
        return std::nullopt;
    }

    std::optional<int> integer(const char *name, int highest)
    {
        if (!isSet(name))
            return std::nullopt;
        bool ok = false;
        const int value = text(name).toInt(&ok);
        if (ok && value >= 1 && value <= highest)
            return value;
        fail(QString(
            QT_TRANSLATE_NOOP("CommandLine", "--%1 needs a whole number from 1 to %2, not \"%3\""))
                 .arg(QString::fromLatin1(name), QString::number(highest), text(name)));
        return std::nullopt;
    }

    /// Three comma-separated finite numbers, each above 0 when `positive`.
    std::optional<Vector3> triple(const char *name, bool positive)
    {
        if (!isSet(name))
            return std::nullopt;
        const QStringList parts = text(name).split(',');
        double v[3] = { 0, 0, 0 };
        bool ok = parts.size() == 3;
        for (int i = 0; ok && i < 3; ++i) {
            v[i] = parts[i].toDouble(&ok);
            ok = ok && std::isfinite(v[i]) && (!positive || v[i] > 0);
        }
        if (ok)
            return Vector3 { v[0], v[1], v[2] };
        fail(positive
                ? QT_TRANSLATE_NOOP(
                    "CommandLine", "--%1 needs three numbers above 0 as A,B,C, not \"%2\"")
                : QT_TRANSLATE_NOOP("CommandLine", "--%1 needs three numbers as X,Y,Z, not \"%2\""),
            name);
        return std::nullopt;
    }

    /// `option` was given without `needed`.
    void needs(const char *option, const char *needed)
    {
        if (isSet(option) && !isSet(needed))
            fail(problem(QT_TRANSLATE_NOOP("CommandLine", "--%1 needs --%2"),
                QString::fromLatin1(option), QString::fromLatin1(needed)));
    }

    void fail(const QString &line)
    {
        if (error.isEmpty())
            error = line;
    }

private:
    void fail(const char *text, const char *name)
    {
        fail(problem(text, QString::fromLatin1(name), this->text(name)));
    }

    const QCommandLineParser &parser;
};

void readOptions(Reader &r, CommandLine &c)
{
    c.presetName = r.text("preset");
    c.bodyFile = r.text("body");
    c.moments = r.triple("moments", true);
    c.omega = r.triple("omega", false);
    c.speed = r.number("speed", false);
    c.iterationsPerFrame = r.integer("iterations", 1000000);
    c.simulateSeconds = r.number("simulate", true).value_or(0);
    c.csvFile = r.text("csv");
    c.rowsPerSecond = r.number("rate", true).value_or(c.rowsPerSecond);
    c.videoFile = r.text("video");
    c.videoSeconds = r.number("length", true).value_or(0);
    c.videoFramesPerSecond = r.integer("fps", 1000).value_or(c.videoFramesPerSecond);
    c.videoSize = r.integer("size", 16384).value_or(c.videoSize);

    c.stepper = &explicitEuler();
    if (r.isSet("integrator")) {
        const QString name = r.text("integrator");
        const auto found = std::find_if(std::begin(integrators), std::end(integrators),
            [&](const IntegratorChoice &choice) { return name == QLatin1String(choice.name); });
        if (found != std::end(integrators))
            c.stepper = &found->stepper();
        else
            r.fail(
                problem(QT_TRANSLATE_NOOP("CommandLine", "--integrator is one of %1, not \"%2\""),
                    integratorNames(), name));
    }
}

void checkCombinations(Reader &r, const CommandLine &c)
{
    r.needs("simulate", "csv");
    r.needs("csv", "simulate");
    r.needs("rate", "simulate");
    r.needs("video", "length");
    for (const char *option : { "length", "fps", "size" })
        r.needs(option, "video");
    const bool hasMotion = !c.presetName.isEmpty() || (c.moments && c.omega);
    for (const char *option : { "simulate", "video" }) {
        if (r.isSet(option) && !hasMotion)
            r.fail(problem(QT_TRANSLATE_NOOP("CommandLine",
                               "--%1 needs a motion: --preset NAME, or --moments and --omega"),
                QString::fromLatin1(option)));
    }
}

} // namespace

CommandLine parseCommandLine(const QStringList &arguments)
{
    QCommandLineParser parser;
    for (const OptionText &o : optionTexts) {
        QCommandLineOption option(QString::fromLatin1(o.names).split(','));
        option.setValueName(QString::fromLatin1(o.valueName));
        parser.addOption(option);
    }

    CommandLine command;
    if (!parser.parse(withoutQtOptions(arguments))) {
        command.error = parser.errorText();
        return command;
    }
    if (!parser.positionalArguments().isEmpty()) {
        command.error = problem(QT_TRANSLATE_NOOP("CommandLine", "unexpected argument \"%1\""),
            parser.positionalArguments().constFirst());
        return command;
    }

    Reader reader(parser);
    readOptions(reader, command);
    checkCombinations(reader, command);
    command.error = reader.error;
    if (reader.isSet("help"))
        command.action = CommandLine::Action::Help;
    else if (reader.isSet("version"))
        command.action = CommandLine::Action::Version;
    else if (reader.isSet("simulate"))
        command.action = CommandLine::Action::Simulate;
    return command;
}

QString commandLineHelp()
{
    QString text = QStringLiteral("Usage: vorlix [options]\n"
                                  "Without options, opens the window.\n\nOptions:\n");
    for (const OptionText &o : optionTexts) {
        const QStringList names = QString::fromLatin1(o.names).split(',');
        QString start
            = names.size() > 1 ? "  -" + names[1] + ", --" + names[0] : "      --" + names[0];
        if (*o.valueName)
            start += ' ' + QString::fromLatin1(o.valueName);
        const QString description(o.description);
        text += wrapped(start,
            description.contains("%1") ? description.arg(integratorNames()) : description, 26);
    }
    for (const char *paragraph : notes)
        text += '\n' + wrapped(QString(), QString(paragraph), 0);
    return text;
}

Motion resolveMotion(const CommandLine &command, const std::optional<Preset> &preset)
{
    const Preset base = preset.value_or(Preset());
    Motion motion;
    motion.moments
        = command.moments.value_or(Vector3 { base.inertiaX, base.inertiaY, base.inertiaZ });
    motion.omega = command.omega.value_or(Vector3 { base.omegaX, base.omegaY, base.omegaZ });
    motion.speed = command.speed.value_or(base.speed);
    motion.iterationsPerFrame = command.iterationsPerFrame.value_or(
        preset ? base.iterPerFrame : motion.iterationsPerFrame);
    return motion;
}

} // namespace vorlix
