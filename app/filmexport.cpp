// SPDX-License-Identifier: GPL-3.0-or-later
#include "filmexport.h"

#include "glwidget.h"
#include "videoencoder.h"

#include <QImage>
#include <QProgressDialog>

#include <algorithm>
#include <cmath>

int FilmRequest::frameCount() const
{
    return std::max(1, int(std::lround(seconds * framesPerSecond)));
}

FilmExport::Outcome FilmExport::write(
    GLWidget &view, const FilmRequest &request, QProgressDialog *progress, QString *problem)
{
    vorlix::VideoEncoder encoder;
    if (!encoder.open(request.fileName, request.side, request.framesPerSecond, problem))
        return Outcome::Refused;

    int done = 0;
    QString encoderProblem;
    const GLWidget::FilmEnd end = view.filmFrames(request.side, request.frameCount(),
        1.0 / request.framesPerSecond, [&](const QImage &frame) {
            if (!encoder.addFrame(frame, &encoderProblem))
                return false;
            if (!progress)
                return true;
            progress->setValue(++done);
            return !progress->wasCanceled();
        });

    if (progress && progress->wasCanceled()) {
        encoder.cancel();
        return Outcome::Cancelled;
    }
    if (end == GLWidget::FilmEnd::Diverged || end == GLWidget::FilmEnd::NoPicture) {
        encoder.cancel();
        *problem = end == GLWidget::FilmEnd::Diverged
            ? tr("The motion diverged while filming: lower the speed or raise Iterations/frame.")
            : tr("The view could not be drawn off screen.");
        return Outcome::Failed;
    }
    // A frame the encoder refused has ended the film already; finish() repeats why.
    return encoder.finish(problem) ? Outcome::Written : Outcome::Failed;
}
