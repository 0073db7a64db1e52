// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef VORLIX_VIDEOENCODER_H
#define VORLIX_VIDEOENCODER_H

#include "videoformat.h"

#include <QImage>
#include <QString>

#include <memory>

namespace vorlix {

/// Writes a film of square frames with FFmpeg: MP4 (H.264), WebM (VP9) or GIF, chosen by
/// the file's suffix (videoFormatForFileName()).
///
/// The film is made in a hidden temporary file in the target's folder and takes the
/// target's name, replacing any file there, only when finish() succeeds. cancel(), a
/// failure, or destroying the encoder before finish() leaves no file behind.
///
/// MP4 and WebM frames are encoded as they arrive. A GIF gets one palette made from all
/// its frames, so its frames are kept compressed on disk beside the target until finish()
/// maps and encodes them: memory stays at a few frames however long the film.
///
/// The same frames give the same bytes: nothing depends on the clock or the number of
/// cores. Messages are translated in the "VideoEncoder" context.
///
/// \code
/// VideoEncoder encoder;
/// QString error;
/// bool ok = encoder.open(withVideoSuffix(name), 512, 30, &error);
/// for (int i = 0; ok && i < frameCount; ++i)
///     ok = encoder.addFrame(render(i));
/// ok = encoder.finish(&error); // the error of addFrame() if that failed
/// \endcode
class VideoEncoder {
public:
    /// The largest side a film may have, in pixels.
    static constexpr int maximumSide = 4096;
    /// The highest frame rate of MP4 and WebM films.
    static constexpr int maximumFps = 120;
    /// The highest frame rate of GIF films: browsers show frames meant for less than
    /// 2/100 s for 1/10 s, which would slow the film down.
    static constexpr int maximumGifFps = 50;

    VideoEncoder();
    ~VideoEncoder();
    VideoEncoder(const VideoEncoder &) = delete;
    VideoEncoder &operator=(const VideoEncoder &) = delete;

    /// Whether this FFmpeg has the encoder (and for GIF the palette filters) of `format`.
    static bool encoderAvailable(VideoFormat format);

    /// Starts the film `target` of `side` × `side` pixels at `fps` frames per second, in
    /// the format of the name's suffix (MP4 when it has none of the three). `side` must
    /// be 1 to maximumSide, and even for MP4 and WebM (4:2:0 chroma). A film in progress
    /// is cancelled first. Returns false with `*error` set when the encoder is missing,
    /// the numbers are out of range or the folder cannot be written.
    bool open(const QString &target, int side, int fps, QString *error);

    /// Adds the next frame, `side` × `side` pixels of any format; transparency is ignored
    /// (the frames are expected opaque). On a failure (e.g. a full disk) the film is
    /// abandoned, its temporary file removed, and the message is in `*error` and is
    /// returned again by finish().
    bool addFrame(const QImage &frame, QString *error = nullptr);

    /// Encodes what is still pending (for GIF, every frame) and puts the film under its
    /// name. False with `*error` set when that fails, when no film was open or when it
    /// has no frame; the film is then abandoned. The encoder is closed either way.
    bool finish(QString *error);

    /// Abandons the film in progress, if any, removing its temporary files.
    void cancel();

    /// Whether a film is in progress: open() succeeded and neither finish(), cancel() nor
    /// a failure has ended it.
    bool isOpen() const;

private:
    class Film;
    bool failWithoutFilm(QString *error) const;
    bool abandon(const QString &message, QString *error);

    std::unique_ptr<Film> m_film;
    QString m_failure;
};

} // namespace vorlix

#endif
