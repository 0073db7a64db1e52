// SPDX-License-Identifier: GPL-3.0-or-later
#include "glwidget.h"

#include <QImage>
#include <QTimer>

#include <utility>

namespace {

/// A copy of `live` to film from. The record is left out, so that a long run's record
/// (up to about 100 MB) is not copied: the film starts its own.
vorlix::RunState filmRun(vorlix::RunState &live)
{
    vorlix::RunRecord record;
    std::swap(record, live.record);
    vorlix::RunState copy = live;
    std::swap(record, live.record);
    return copy;
}

} // namespace

GLWidget::FilmEnd GLWidget::filmFrames(int side, int frameCount, double secondsPerFrame,
    const std::function<bool(const QImage &)> &take)
{
    const bool wasRunning = timer->isActive();
    pause();
    // What a tick and a recorded frame change; the traces only ever grow past their
    // indices, so restoring the indices hides the film's points again.
    vorlix::RunState *const live = run;
    vorlix::RunState copy = filmRun(*live);
    run = &copy;
    const double omega[3] = { omegaX, omegaY, omegaZ };
    const double delta[3] = { deltaOmegaX, deltaOmegaY, deltaOmegaZ };
    const vorlix::Matrix4 orientation = orientationMatrix;
    const int traceIndices[3] = { xLinesIndex, yLinesIndex, zLinesIndex };

    FilmEnd end = FilmEnd::Complete;
    for (int frame = 0; frame < frameCount && end == FilmEnd::Complete; ++frame) {
        if (frame > 0 && advanceTick(secondsPerFrame) != vorlix::DivergenceCause::None) {
            end = FilmEnd::Diverged;
            break;
        }
        const QImage picture = renderSquareImage(side);
        if (picture.isNull())
            end = FilmEnd::NoPicture;
        else if (!take(picture))
            end = FilmEnd::Stopped;
    }

    run = live;
    omegaX = omega[0];
    omegaY = omega[1];
    omegaZ = omega[2];
    deltaOmegaX = delta[0];
    deltaOmegaY = delta[1];
    deltaOmegaZ = delta[2];
    orientationMatrix = orientation;
    xLinesIndex = traceIndices[0];
    yLinesIndex = traceIndices[1];
    zLinesIndex = traceIndices[2];
    // A repaint during the film may have drawn its points into the trace layer.
    for (int &generation : traceGenerations)
        ++generation;
    update();
    if (wasRunning)
        animate();
    return end;
}
