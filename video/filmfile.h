// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef VORLIX_FILMFILE_H
#define VORLIX_FILMFILE_H

#include <QSaveFile>
#include <QString>

extern "C" {
#include <libavutil/rational.h>
}

struct AVCodecContext;
struct AVFormatContext;
struct AVPacket;

namespace vorlix {

/// The container of one film with one video stream, written through a QSaveFile: the
/// film appears under its name, replacing any file there, only when finish() succeeds.
/// Until then it lives in a temporary file in the same folder, and an abandoned or failed
/// film (including one whose object is destroyed unfinished) leaves nothing behind.
///
/// The container carries no wall-clock time and no random identifiers
/// (AVFMT_FLAG_BITEXACT), so equal packets give equal files.
class FilmFile {
public:
    FilmFile();
    ~FilmFile();
    FilmFile(const FilmFile &) = delete;
    FilmFile &operator=(const FilmFile &) = delete;

    /// Starts the temporary file beside `target` for FFmpeg's muxer `muxer` ("mp4", "webm",
    /// "gif"). An unwritable or missing folder fails here with a message naming it.
    bool open(const QString &target, const char *muxer, QString *error);

    /// Whether the container keeps the codec's set-up data in its header; the codec must
    /// then be opened with AV_CODEC_FLAG_GLOBAL_HEADER.
    bool wantsGlobalHeader() const;

    /// Adds the stream of the opened `codec` and writes the container's header.
    bool start(const AVCodecContext *codec, QString *error);

    /// Writes `packet`, whose timestamps are in the time base of the codec given to start().
    bool write(AVPacket *packet, QString *error);

    /// Writes the trailer and puts the film under its name.
    bool finish(QString *error);

private:
    bool writeFailed(int code, QString *error) const;
    void close();

    QSaveFile m_file;
    AVFormatContext *m_container = nullptr;
    AVRational m_codecTimeBase { 1, 1 };
};

} // namespace vorlix

#endif
