// SPDX-License-Identifier: GPL-3.0-or-later
#include "commandlinefilm.h"

#include "batchsimulation.h"
#include "filmexport.h"
#include "glwidget.h"
#include "mainwindow.h"
#include "videoencoder.h"
#include "videoformat.h"

#include <QCoreApplication>

namespace {

QString translated(const char *text)
{
    return QCoreApplication::translate("FilmExport", text);
}

} // namespace

QString commandLineFilmProblem(const vorlix::CommandLine &command, const vorlix::Motion &motion)
{
    const QString problem = vorlix::motionProblem(motion);
    if (!problem.isEmpty())
        return problem;
    using vorlix::VideoEncoder;
    const vorlix::VideoFormat format
        = vorlix::videoFormatForFileName(vorlix::withVideoSuffix(command.videoFile));
    const bool gif = format == vorlix::VideoFormat::Gif;
    const int side = command.videoSize;
    if (side > VideoEncoder::maximumSide || (!gif && side % 2 != 0))
        return translated(gif
                ? QT_TRANSLATE_NOOP("FilmExport", "--size must be at most %1")
                : QT_TRANSLATE_NOOP("FilmExport", "--size must be even and at most %1"))
            .arg(VideoEncoder::maximumSide);
    const int fastest = gif ? VideoEncoder::maximumGifFps : VideoEncoder::maximumFps;
    if (command.videoFramesPerSecond > fastest)
        return translated(
            QT_TRANSLATE_NOOP("FilmExport", "--fps must be at most %1 for this format"))
            .arg(fastest);
    if (!VideoEncoder::encoderAvailable(format))
        return translated(
            QT_TRANSLATE_NOOP("FilmExport", "this FFmpeg has no encoder for %1 films"))
            .arg(vorlix::videoSuffix(format));
    return QString();
}

int writeCommandLineFilm(const vorlix::CommandLine &command,
    const std::optional<vorlix::Preset> &preset, QString *problem)
{
    const vorlix::Motion motion = vorlix::resolveMotion(command, preset);

    MainWindow window;
    if (!command.bodyFile.isEmpty()) {
        *problem = window.loadBody(command.bodyFile);
        if (!problem->isEmpty())
            return 2;
    }
    if (preset)
        window.choosePreset(command.presetName);
    window.showMotion(motion, command.stepper);
    // Shown only to give the view its OpenGL context; the film is drawn off screen.
    window.setAttribute(Qt::WA_DontShowOnScreen);
    window.show();
    QCoreApplication::processEvents();
    if (!window.glWidget->isValid()) {
        *problem = translated(
            QT_TRANSLATE_NOOP("FilmExport", "no OpenGL context for the view: run it on a display"));
        return 1;
    }

    FilmRequest request;
    request.fileName = vorlix::withVideoSuffix(command.videoFile);
    request.seconds = command.videoSeconds;
    request.framesPerSecond = command.videoFramesPerSecond;
    request.side = command.videoSize;
    switch (FilmExport::write(*window.glWidget, request, nullptr, problem)) {
    case FilmExport::Outcome::Written:
        return 0;
    case FilmExport::Outcome::Refused:
        return 2;
    default:
        return 1;
    }
}
