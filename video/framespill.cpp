// SPDX-License-Identifier: GPL-3.0-or-later
#include "framespill.h"

#include "videoerror.h"
#include "writeall.h"

#include <QDir>
#include <QFileInfo>

#include <cstring>

namespace vorlix {

namespace {

// The fastest zlib level: already about as small as the best one on a dark background,
// and several times quicker.
constexpr int compressionLevel = 1;

// Written and read by the same process, so in its own byte order.
struct FrameHeader {
    quint32 width;
    quint32 height;
    quint32 compressedSize;
};

} // namespace

bool FrameSpill::open(const QString &folder, QString *error)
{
    m_file.setFileTemplate(QDir(folder).filePath(QStringLiteral(".vorlix-frames-XXXXXX")));
    return m_file.open(QIODevice::ReadWrite | QIODevice::Unbuffered) || failed(error);
}

bool FrameSpill::append(const QImage &frame, QString *error)
{
    const QByteArray compressed
        = qCompress(frame.constBits(), static_cast<int>(frame.sizeInBytes()), compressionLevel);
    const FrameHeader header { quint32(frame.width()), quint32(frame.height()),
        quint32(compressed.size()) };
    const bool written = writeAll(m_file, reinterpret_cast<const char *>(&header), sizeof header)
        && writeAll(m_file, compressed.constData(), compressed.size());
    return written || failed(error);
}

bool FrameSpill::rewind(QString *error)
{
    return m_file.seek(0) || failed(error);
}

bool FrameSpill::atEnd() const
{
    return m_file.atEnd();
}

QImage FrameSpill::readNext(QString *error)
{
    FrameHeader header {};
    if (m_file.read(reinterpret_cast<char *>(&header), sizeof header) != sizeof header) {
        failed(error);
        return {};
    }
    const QByteArray pixels = qUncompress(m_file.read(header.compressedSize));
    QImage frame(int(header.width), int(header.height), QImage::Format_RGB32);
    if (pixels.size() != frame.sizeInBytes()) {
        failed(error);
        return {};
    }
    std::memcpy(frame.bits(), pixels.constData(), pixels.size());
    return frame;
}

bool FrameSpill::failed(QString *error) const
{
    return failWith(error,
        videoText(QT_TRANSLATE_NOOP(
                      "VideoEncoder", "Could not keep the film's frames in the folder %1: %2"))
            .arg(QDir::toNativeSeparators(QFileInfo(m_file.fileName()).absolutePath()),
                m_file.errorString()));
}

} // namespace vorlix
