// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef VORLIX_FRAMESPILL_H
#define VORLIX_FRAMESPILL_H

#include <QImage>
#include <QString>
#include <QTemporaryFile>

namespace vorlix {

/// A temporary file that can be opened unbuffered, so that writeAll() can tell why a
/// write failed.
class UnbufferedTemporaryFile : public QTemporaryFile {
public:
    using QTemporaryFile::open;
};

/// Frames kept on disk, each compressed with zlib, to be read back once in the order they
/// were added: a film that must be seen whole before it is encoded (a GIF whose palette
/// comes from all its frames) then needs memory for one frame only, and disk a few percent
/// of its raw size for the program's mostly dark pictures. The hidden temporary file lies
/// in the film's folder, not in a /tmp that may be held in memory, and is removed with
/// the object.
class FrameSpill {
public:
    /// Creates the temporary file in `folder`.
    bool open(const QString &folder, QString *error);

    /// Appends `frame`, which is in QImage::Format_RGB32.
    bool append(const QImage &frame, QString *error);

    /// Goes back to the first frame, ready for reading.
    bool rewind(QString *error);

    /// Whether a frame is left to read.
    bool atEnd() const;

    /// Reads the next frame; a null image after a failure, which `*error` describes.
    QImage readNext(QString *error);

private:
    bool failed(QString *error) const;

    UnbufferedTemporaryFile m_file;
};

} // namespace vorlix

#endif
