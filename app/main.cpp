// SPDX-License-Identifier: GPL-3.0-or-later
#include "batchsimulation.h"
#include "commandline.h"
#include "commandlinefilm.h"
#include "mainwindow.h"
#include "presetsource.h"
#include "translations.h"

#include <QApplication>
#include <QDir>
#include <QLocale>
#include <QTranslator>

#include <cstdio>

namespace {

int fail(const QString &problem, int status)
{
    std::fprintf(stderr, "vorlix: %s\n", qPrintable(problem));
    return status;
}

} // namespace

int main(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const vorlix::CommandLine command = vorlix::parseCommandLine(arguments);
    if (!command.error.isEmpty())
        return fail(command.error, 2);
    if (command.action == vorlix::CommandLine::Action::Help) {
        std::fputs(qPrintable(vorlix::commandLineHelp()), stdout);
        return 0;
    }
    if (command.action == vorlix::CommandLine::Action::Version) {
        std::puts("vorlix " VORLIX_VERSION);
        return 0;
    }

    std::optional<vorlix::Preset> preset;
    if (!command.presetName.isEmpty()) {
        QString problem;
        preset = vorlix::findPreset(
            vorlix::presetsFileName(QDir::homePath()), command.presetName, &problem);
        if (!preset)
            return fail(problem, 2);
    }

    if (command.action == vorlix::CommandLine::Action::Simulate) {
        QCoreApplication application(argc, argv);
        const vorlix::BatchSimulation run { vorlix::resolveMotion(command, preset), command.stepper,
            command.simulateSeconds, command.rowsPerSecond };
        const QString problem = vorlix::motionProblem(run.motion);
        if (!problem.isEmpty())
            return fail(problem, 2);
        const QString failure
            = vorlix::writeBatchSimulationFile(command.csvFile, run, VORLIX_VERSION);
        return failure.isEmpty() ? 0 : fail(failure, 1);
    }

    if (!command.videoFile.isEmpty()) {
        // Checked before QApplication, which needs a display.
        const QString problem
            = commandLineFilmProblem(command, vorlix::resolveMotion(command, preset));
        if (!problem.isEmpty())
            return fail(problem, 2);
    }

    QApplication application(argc, argv);
    QTranslator qtTranslator;
    QTranslator programTranslator;
    QTranslator standardTranslator;
    installTranslations(application, QLocale::system().name(), programTranslator,
        standardTranslator, &qtTranslator);

    if (!command.videoFile.isEmpty()) {
        QString problem;
        const int status = writeCommandLineFilm(command, preset, &problem);
        return status == 0 ? 0 : fail(problem, status);
    }

    MainWindow window;
    if (!command.bodyFile.isEmpty()) {
        const QString problem = window.loadBody(command.bodyFile);
        if (!problem.isEmpty())
            return fail(problem, 2);
    }
    if (preset)
        window.choosePreset(command.presetName);
    window.show();
    return application.exec();
}
