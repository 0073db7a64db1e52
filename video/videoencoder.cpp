// SPDX-License-Identifier: GPL-3.0-or-later
#include "videoencoder.h"

#include "filmfile.h"
#include "framespill.h"
#include "gifpalette.h"
#include "videocodec.h"
#include "videoerror.h"

#include <QFileInfo>

extern "C" {
#include <libavfilter/avfilter.h>
#include <libavutil/log.h>
}

namespace vorlix {

namespace {

const char *muxerName(VideoFormat format)
{
    switch (format) {
    case VideoFormat::WebM:
        return "webm";
    case VideoFormat::Gif:
        return "gif";
    case VideoFormat::Mp4:
        break;
    }
    return "mp4";
}

QString checkSize(VideoFormat format, int side, int fps)
{
    if (side < 1 || side > VideoEncoder::maximumSide) {
        return videoText(QT_TRANSLATE_NOOP("VideoEncoder",
                             "A film must be between 1 and %1 pixels wide, not %2."))
            .arg(VideoEncoder::maximumSide)
            .arg(side);
    }
    if (format != VideoFormat::Gif && side % 2 != 0) {
        return videoText(QT_TRANSLATE_NOOP("VideoEncoder",
                             "An MP4 or WebM film must be an even number of pixels wide, not %1."))
            .arg(side);
    }
    const int maximumFps
        = format == VideoFormat::Gif ? VideoEncoder::maximumGifFps : VideoEncoder::maximumFps;
    if (fps < 1 || fps > maximumFps) {
        return videoText(QT_TRANSLATE_NOOP("VideoEncoder",
                             "This film can have 1 to %1 frames per second, not %2."))
            .arg(maximumFps)
            .arg(fps);
    }
    return {};
}

} // namespace

/// One film in progress: its file, its encoder and what feeds the encoder.
class VideoEncoder::Film {
public:
    Film(VideoFormat format, int side) : format(format), side(side) { }

    bool open(const QString &target, int fps, QString *error)
    {
        if (!file.open(target, muxerName(format), error))
            return false;
        codec = openVideoCodec(format, side, fps, file.wantsGlobalHeader(), error);
        if (!codec)
            return false;
        packet.reset(av_packet_alloc());
        if (!packet)
            return failWithFfmpeg(error, AVERROR(ENOMEM));
        if (!file.start(codec.get(), error))
            return false;
        if (format == VideoFormat::Gif)
            return spill.open(QFileInfo(target).absolutePath(), error)
                && palette.open(side, fps, error);
        return openScaler(error);
    }

    bool add(const QImage &frame, QString *error)
    {
        ++frameCount;
        if (format == VideoFormat::Gif)
            return spill.append(frame, error) && palette.learn(frame, error);
        return encodePicture(frame, error);
    }

    bool finish(QString *error)
    {
        return (format != VideoFormat::Gif || encodeGif(error)) && encode(nullptr, error)
            && file.finish(error);
    }

    const VideoFormat format;
    const int side;
    int frameCount = 0;

private:
    bool openScaler(QString *error)
    {
        scaler.reset(sws_getContext(side, side, AV_PIX_FMT_RGB32, side, side, AV_PIX_FMT_YUV420P,
            SWS_FAST_BILINEAR, nullptr, nullptr, nullptr));
        picture.reset(av_frame_alloc());
        if (!scaler || !picture)
            return failWithFfmpeg(error, AVERROR(ENOMEM));
        // The matrix the stream is tagged with (openVideoCodec()); RGB has no range to give.
        const int *bt709 = sws_getCoefficients(SWS_CS_ITU709);
        sws_setColorspaceDetails(scaler.get(), bt709, 1, bt709, 0, 0, 1 << 16, 1 << 16);
        picture->format = AV_PIX_FMT_YUV420P;
        picture->width = side;
        picture->height = side;
        const int code = av_frame_get_buffer(picture.get(), 0);
        return code >= 0 || failWithFfmpeg(error, code);
    }

    bool encodePicture(const QImage &frame, QString *error)
    {
        // The encoder may still hold the previous picture as a reference.
        int code = av_frame_make_writable(picture.get());
        if (code < 0)
            return failWithFfmpeg(error, code);
        const uint8_t *const rows[] = { frame.constBits() };
        const int stride[] = { int(frame.bytesPerLine()) };
        sws_scale(scaler.get(), rows, stride, 0, side, picture->data, picture->linesize);
        picture->pts = frameCount - 1;
        return encode(picture.get(), error);
    }

    bool encodeGif(QString *error)
    {
        if (!palette.startMapping(error) || !spill.rewind(error))
            return false;
        while (!spill.atEnd()) {
            const QImage frame = spill.readNext(error);
            if (frame.isNull() || !palette.map(frame, error) || !encodeMapped(error))
                return false;
        }
        return palette.map(QImage(), error) && encodeMapped(error);
    }

    bool encodeMapped(QString *error)
    {
        const FramePointer mapped(av_frame_alloc());
        if (!mapped)
            return failWithFfmpeg(error, AVERROR(ENOMEM));
        int code = 0;
        while ((code = palette.takeMapped(mapped.get())) >= 0) {
            const bool encoded = encode(mapped.get(), error);
            av_frame_unref(mapped.get());
            if (!encoded)
                return false;
        }
        return code == AVERROR(EAGAIN) || code == AVERROR_EOF || failWithFfmpeg(error, code);
    }

    // Sends `frame` (null: the end of the film) and writes every packet that is ready.
    bool encode(const AVFrame *frame, QString *error)
    {
        int code = avcodec_send_frame(codec.get(), frame);
        if (code < 0)
            return failWithFfmpeg(error, code);
        while ((code = avcodec_receive_packet(codec.get(), packet.get())) >= 0) {
            // Every packet holds one frame; the muxers that keep durations need it.
            packet->duration = 1;
            if (!file.write(packet.get(), error))
                return false;
        }
        return code == AVERROR(EAGAIN) || code == AVERROR_EOF || failWithFfmpeg(error, code);
    }

    FilmFile file;
    CodecPointer codec;
    PacketPointer packet;
    ScalerPointer scaler;
    FramePointer picture;
    FrameSpill spill;
    GifPalette palette;
};

VideoEncoder::VideoEncoder() = default;

VideoEncoder::~VideoEncoder() = default;

bool VideoEncoder::encoderAvailable(VideoFormat format)
{
    if (!findVideoEncoder(format))
        return false;
    return format != VideoFormat::Gif
        || (avfilter_get_by_name("palettegen") && avfilter_get_by_name("paletteuse"));
}

bool VideoEncoder::open(const QString &target, int side, int fps, QString *error)
{
    // FFmpeg's progress notes on stderr mean nothing to the program's users, and its
    // errors reach them through *error.
    av_log_set_level(AV_LOG_ERROR);
    cancel();
    const VideoFormat format = videoFormatForFileName(target);
    if (!encoderAvailable(format)) {
        return failWith(error,
            videoText(QT_TRANSLATE_NOOP("VideoEncoder",
                          "FFmpeg on this system has no %1 encoder, so %2 films cannot be made."))
                .arg(videoEncoderName(format), videoSuffix(format).mid(1).toUpper()));
    }
    const QString sizeProblem = checkSize(format, side, fps);
    if (!sizeProblem.isEmpty())
        return failWith(error, sizeProblem);
    auto film = std::make_unique<Film>(format, side);
    if (!film->open(target, fps, error))
        return false;
    m_film = std::move(film);
    return true;
}

bool VideoEncoder::addFrame(const QImage &frame, QString *error)
{
    if (!m_film)
        return failWithoutFilm(error);
    if (frame.width() != m_film->side || frame.height() != m_film->side) {
        return abandon(videoText(QT_TRANSLATE_NOOP("VideoEncoder",
                                     "A frame of %1 × %2 pixels does not fit a film of %3 × %3."))
                           .arg(frame.width())
                           .arg(frame.height())
                           .arg(m_film->side),
            error);
    }
    QString failure;
    if (!m_film->add(frame.convertToFormat(QImage::Format_RGB32), &failure))
        return abandon(failure, error);
    return true;
}

bool VideoEncoder::finish(QString *error)
{
    if (!m_film) {
        failWithoutFilm(error);
        m_failure.clear();
        return false;
    }
    const std::unique_ptr<Film> film = std::move(m_film);
    if (film->frameCount == 0)
        return failWith(
            error, videoText(QT_TRANSLATE_NOOP("VideoEncoder", "The film has no frames.")));
    return film->finish(error);
}

void VideoEncoder::cancel()
{
    m_film.reset();
    m_failure.clear();
}

bool VideoEncoder::isOpen() const
{
    return bool(m_film);
}

bool VideoEncoder::failWithoutFilm(QString *error) const
{
    return failWith(error,
        m_failure.isEmpty() ? videoText(QT_TRANSLATE_NOOP("VideoEncoder", "No film is being made."))
                            : m_failure);
}

bool VideoEncoder::abandon(const QString &message, QString *error)
{
    m_film.reset();
    m_failure = message;
    return failWith(error, message);
}

} // namespace vorlix
