// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef VORLIX_FILMEXPORT_H
#define VORLIX_FILMEXPORT_H

#include <QCoreApplication>
#include <QString>

class GLWidget;
class QProgressDialog;

/// What a film of the view is to be.
struct FilmRequest {
    QString fileName; ///< its suffix (.mp4, .webm, .gif) decides the format
    double seconds = 10;
    int framesPerSecond = 30;
    int side = 600; ///< width and height in pixels
    /// length × fps, at least one.
    int frameCount() const;
};

/// Writes films of the view's motion.
class FilmExport {
    Q_DECLARE_TR_FUNCTIONS(FilmExport)

public:
    enum class Outcome {
        Written,
        Cancelled,
        Refused, ///< the encoder took neither the numbers nor the name: nothing was filmed
        Failed,
    };

    /// Films the view's motion from this instant (GLWidget::filmFrames) into
    /// request.fileName with VideoEncoder: each frame one tick of 1/fps simulated seconds,
    /// so the film plays at the pace of the live view (one second of it a second) whatever
    /// the machine. `progress`, if any, counts the frames and its Cancel stops the film.
    /// Anything but Written leaves no file; Refused and Failed put the reason in `*problem`.
    static Outcome write(
        GLWidget &view, const FilmRequest &request, QProgressDialog *progress, QString *problem);
};

#endif
