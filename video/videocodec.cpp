// SPDX-License-Identifier: GPL-3.0-or-later
#include "videocodec.h"

#include "videoerror.h"

extern "C" {
#include <libavutil/dict.h>
}

#include <cstring>

namespace vorlix {

namespace {

// Seconds between key frames: a player can seek to within this, at little cost in size.
constexpr int keyFrameSeconds = 5;

// For an H.264 encoder without a constant-quality mode: enough for the program's sharp
// lines on a plain background.
constexpr double bitsPerPixel = 0.15;

bool takesYuv420(const AVCodec *codec)
{
    for (const AVPixelFormat *format = codec->pix_fmts; format && *format != AV_PIX_FMT_NONE;
         ++format) {
        if (*format == AV_PIX_FMT_YUV420P)
            return true;
    }
    return false;
}

const AVCodec *anyH264Encoder()
{
    void *position = nullptr;
    while (const AVCodec *codec = av_codec_iterate(&position)) {
        if (av_codec_is_encoder(codec) && codec->id == AV_CODEC_ID_H264 && takesYuv420(codec))
            return codec;
    }
    return nullptr;
}

bool isNamed(const AVCodec *codec, const char *name)
{
    return std::strcmp(codec->name, name) == 0;
}

struct Options {
    AVDictionary *entries = nullptr;
    ~Options() { av_dict_free(&entries); }
    void set(const char *key, const char *value) { av_dict_set(&entries, key, value, 0); }
};

} // namespace

const AVCodec *findVideoEncoder(VideoFormat format)
{
    switch (format) {
    case VideoFormat::WebM:
        return avcodec_find_encoder_by_name("libvpx-vp9");
    case VideoFormat::Gif:
        return avcodec_find_encoder_by_name("gif");
    case VideoFormat::Mp4:
        break;
    }
    const AVCodec *x264 = avcodec_find_encoder_by_name("libx264");
    return x264 ? x264 : anyH264Encoder();
}

QString videoEncoderName(VideoFormat format)
{
    switch (format) {
    case VideoFormat::WebM:
        return QStringLiteral("VP9 (libvpx-vp9)");
    case VideoFormat::Gif:
        return QStringLiteral("GIF");
    case VideoFormat::Mp4:
        break;
    }
    return QStringLiteral("H.264");
}

CodecPointer openVideoCodec(
    VideoFormat format, int side, int fps, bool globalHeader, QString *error)
{
    const AVCodec *encoder = findVideoEncoder(format);
    CodecPointer codec(encoder ? avcodec_alloc_context3(encoder) : nullptr);
    if (!codec) {
        failWithFfmpeg(error, encoder ? AVERROR(ENOMEM) : AVERROR_ENCODER_NOT_FOUND);
        return nullptr;
    }
    codec->width = side;
    codec->height = side;
    codec->sample_aspect_ratio = AVRational { 1, 1 };
    codec->time_base = AVRational { 1, fps };
    codec->framerate = AVRational { fps, 1 };
    codec->thread_count = 1;
    if (globalHeader)
        codec->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;

    Options options;
    if (format == VideoFormat::Gif) {
        codec->pix_fmt = AV_PIX_FMT_PAL8;
    } else {
        codec->pix_fmt = AV_PIX_FMT_YUV420P;
        codec->colorspace = AVCOL_SPC_BT709;
        codec->color_primaries = AVCOL_PRI_BT709;
        codec->color_trc = AVCOL_TRC_BT709;
        codec->color_range = AVCOL_RANGE_MPEG;
        codec->gop_size = keyFrameSeconds * fps;
    }
    if (isNamed(encoder, "libx264")) {
        options.set("preset", "veryfast");
        options.set("crf", "20");
    } else if (isNamed(encoder, "libvpx-vp9")) {
        options.set("deadline", "realtime");
        options.set("cpu-used", "8");
        options.set("crf", "30");
        codec->bit_rate = 0;
    } else if (format == VideoFormat::Mp4) {
        codec->bit_rate = int64_t(bitsPerPixel * side * side * fps);
    }

    const int code = avcodec_open2(codec.get(), encoder, &options.entries);
    if (code < 0) {
        failWith(error,
            videoText(QT_TRANSLATE_NOOP("VideoEncoder", "The %1 encoder cannot make this film: %2"))
                .arg(QString::fromUtf8(encoder->name), ffmpegErrorText(code)));
        return nullptr;
    }
    return codec;
}

} // namespace vorlix
