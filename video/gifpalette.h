// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef VORLIX_GIFPALETTE_H
#define VORLIX_GIFPALETTE_H

#include "ffmpegpointers.h"

#include <QImage>
#include <QString>

namespace vorlix {

/// The 256-colour palette of a GIF film, made for the film in two passes through FFmpeg's
/// filters: every frame is first learnt (palettegen counts its colours; memory grows with
/// the number of distinct colours, not of frames), then every frame is mapped to the
/// palette made from all of them (paletteuse).
///
/// Mapping dithers with an ordered (Bayer) pattern rather than by error diffusion: a pixel
/// that keeps its colour then keeps its index from frame to frame, so still parts of the
/// picture do not shimmer and the GIF encoder can skip them.
class GifPalette {
public:
    /// Starts learning `side` × `side` frames shown `fps` times a second.
    bool open(int side, int fps, QString *error);

    /// Counts the colours of `frame`, in QImage::Format_RGB32 and of the opened size.
    bool learn(const QImage &frame, QString *error);

    /// Makes the palette from the frames learnt; map() may be called from now on.
    bool startMapping(QString *error);

    /// Maps `frame` to the palette, or ends the film when `frame` is null. The result comes
    /// out of takeMapped().
    bool map(const QImage &frame, QString *error);

    /// Moves the next mapped frame (AV_PIX_FMT_PAL8 with the palette in data[1], pts
    /// counted in frames) into `mapped`. Returns 0, AVERROR(EAGAIN) when map() must be
    /// given a frame first, AVERROR_EOF after the last frame, or another FFmpeg error.
    int takeMapped(AVFrame *mapped);

private:
    bool newGraph(QString *error);
    AVFilterContext *addFilter(
        const char *filter, const char *name, const QString &arguments, QString *error);
    AVFilterContext *addFrameSource(const char *name, int side, QString *error);
    bool link(AVFilterContext *from, AVFilterContext *to, int toInput, QString *error);
    bool configure(QString *error);
    bool push(AVFilterContext *source, const QImage &frame, QString *error);

    FilterGraphPointer m_graph;
    AVFilterContext *m_frames = nullptr;
    AVFilterContext *m_result = nullptr;
    int m_side = 0;
    int m_fps = 0;
    int64_t m_nextPts = 0;
};

} // namespace vorlix

#endif
