// SPDX-License-Identifier: GPL-3.0-or-later
#include "filmfile.h"

#include "videoerror.h"
#include "writeall.h"

#include <QDir>
#include <QFileInfo>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
}

namespace vorlix {

namespace {

// FFmpeg 7 made the written bytes const.
#if LIBAVFORMAT_VERSION_MAJOR < 61
using WrittenBytes = uint8_t *;
#else
using WrittenBytes = const uint8_t *;
#endif

// FFmpeg's buffer in front of the file, so that the file sees few large writes.
constexpr int ioBufferSize = 1 << 16;

int writeToFile(void *file, WrittenBytes bytes, int size)
{
    return writeAll(*static_cast<QSaveFile *>(file), reinterpret_cast<const char *>(bytes), size)
        ? size
        : AVERROR(EIO);
}

int64_t seekInFile(void *opaque, int64_t offset, int whence)
{
    auto *file = static_cast<QSaveFile *>(opaque);
    // seek() would clear the error of a failed write, whose reason the message gives; the
    // film is lost by then anyway.
    if (file->error() != QFileDevice::NoError)
        return AVERROR(EIO);
    switch (whence & ~AVSEEK_FORCE) {
    case AVSEEK_SIZE:
        return file->size();
    case SEEK_SET:
        break;
    case SEEK_CUR:
        offset += file->pos();
        break;
    case SEEK_END:
        offset += file->size();
        break;
    default:
        return AVERROR(EINVAL);
    }
    return file->seek(offset) ? offset : AVERROR(EIO);
}

} // namespace

FilmFile::FilmFile() = default;

FilmFile::~FilmFile()
{
    close();
}

bool FilmFile::open(const QString &target, const char *muxer, QString *error)
{
    m_file.setFileName(target);
    // Unbuffered: FFmpeg buffers already, and a full disk must show at the write that hit it.
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        return failWith(error,
            videoText(
                QT_TRANSLATE_NOOP("VideoEncoder", "Cannot write a film into the folder %1: %2"))
                .arg(QDir::toNativeSeparators(QFileInfo(target).absolutePath()),
                    m_file.errorString()));
    }
    const int code = avformat_alloc_output_context2(&m_container, nullptr, muxer, nullptr);
    if (code < 0)
        return failWithFfmpeg(error, code);
    auto *buffer = static_cast<unsigned char *>(av_malloc(ioBufferSize));
    if (buffer)
        m_container->pb = avio_alloc_context(
            buffer, ioBufferSize, 1, &m_file, nullptr, writeToFile, seekInFile);
    if (!m_container->pb) {
        av_free(buffer);
        return failWithFfmpeg(error, AVERROR(ENOMEM));
    }
    m_container->flags |= AVFMT_FLAG_CUSTOM_IO | AVFMT_FLAG_BITEXACT;
    return true;
}

bool FilmFile::wantsGlobalHeader() const
{
    return m_container->oformat->flags & AVFMT_GLOBALHEADER;
}

bool FilmFile::start(const AVCodecContext *codec, QString *error)
{
    AVStream *stream = avformat_new_stream(m_container, nullptr);
    if (!stream)
        return failWithFfmpeg(error, AVERROR(ENOMEM));
    const int code = avcodec_parameters_from_context(stream->codecpar, codec);
    if (code < 0)
        return failWithFfmpeg(error, code);
    stream->time_base = codec->time_base;
    stream->avg_frame_rate = codec->framerate;
    m_codecTimeBase = codec->time_base;
    const int written = avformat_write_header(m_container, nullptr);
    return written >= 0 || writeFailed(written, error);
}

bool FilmFile::write(AVPacket *packet, QString *error)
{
    packet->stream_index = 0;
    av_packet_rescale_ts(packet, m_codecTimeBase, m_container->streams[0]->time_base);
    const int code = av_interleaved_write_frame(m_container, packet);
    return code >= 0 || writeFailed(code, error);
}

bool FilmFile::finish(QString *error)
{
    const int code = av_write_trailer(m_container);
    if (code < 0)
        return writeFailed(code, error);
    avio_flush(m_container->pb);
    if (m_container->pb->error < 0)
        return writeFailed(m_container->pb->error, error);
    close();
    if (!m_file.commit()) {
        return failWith(error,
            videoText(QT_TRANSLATE_NOOP("VideoEncoder", "Could not save the film %1: %2"))
                .arg(QDir::toNativeSeparators(m_file.fileName()), m_file.errorString()));
    }
    return true;
}

bool FilmFile::writeFailed(int code, QString *error) const
{
    // The file's own message (e.g. "No space left on device") says more than FFmpeg's EIO.
    const QString reason
        = m_file.error() != QFileDevice::NoError ? m_file.errorString() : ffmpegErrorText(code);
    return failWith(error,
        videoText(QT_TRANSLATE_NOOP("VideoEncoder", "Could not write the film %1: %2"))
            .arg(QDir::toNativeSeparators(m_file.fileName()), reason));
}

void FilmFile::close()
{
    if (!m_container)
        return;
    AVIOContext *io = m_container->pb;
    avformat_free_context(m_container);
    m_container = nullptr;
    if (io) {
        av_freep(&io->buffer);
        avio_context_free(&io);
    }
}

} // namespace vorlix
