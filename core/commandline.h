// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef VORLIX_COMMANDLINE_H
#define VORLIX_COMMANDLINE_H

#include "motion.h"
#include "settingsfile.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace vorlix {

class Stepper;

/// What the program's arguments ask for.
struct CommandLine {
    enum class Action {
        Window, ///< open the window, as without arguments
        Help, ///< print commandLineHelp()
        Version, ///< print "vorlix <version>"
        Simulate, ///< write a run as CSV without a display
    };
    Action action = Action::Window;
    /// One line naming the first problem found; when set, nothing else is to be done.
    QString error;

    QString presetName; ///< --preset; empty when not given
    QString bodyFile; ///< --body; empty when not given
    std::optional<Vector3> moments; ///< --moments, each > 0
    std::optional<Vector3> omega; ///< --omega, rad/s before Speed
    std::optional<double> speed; ///< --speed, finite and not 0
    std::optional<int> iterationsPerFrame; ///< --iterations, 1 to 1,000,000
    const Stepper *stepper = nullptr; ///< --integrator; explicit Euler when not given

    double simulateSeconds = 0; ///< --simulate: seconds of τ = Speed × simulated time
    QString csvFile; ///< --csv; "-" is standard output
    double rowsPerSecond = 250; ///< --rate: rows per second of τ

    QString videoFile; ///< --video; empty when not given
    double videoSeconds = 0; ///< --length
    int videoFramesPerSecond = 30; ///< --fps
    int videoSize = 600; ///< --size: width and height in pixels
};

/// Reads the program's arguments (`arguments[0]` is the program) with QCommandLineParser.
/// Qt's own options (-platform, -style, -display, … also with "--" or "=value") are passed
/// over here: QApplication takes them from argv itself. An unknown option, a missing or
/// malformed value, a moment ≤ 0, --simulate without --csv or without a motion (--preset,
/// or --moments with --omega), and an option that needs another one left out give an
/// error. Whether a named preset exists is not checked here (see findPreset).
CommandLine parseCommandLine(const QStringList &arguments);

/// The text --help prints: usage, every option, and the notes on units and exit status.
QString commandLineHelp();

/// The motion to run: the values given on the command line, the preset's for the rest
/// (when there is one), else the panel's defaults with Speed 1 and 50 iterations per frame.
Motion resolveMotion(const CommandLine &command, const std::optional<Preset> &preset);

} // namespace vorlix

#endif
