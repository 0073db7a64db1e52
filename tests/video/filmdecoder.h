// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef VORLIX_FILMDECODER_H
#define VORLIX_FILMDECODER_H

#include <QFile>
#include <QImage>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libswscale/swscale.h>
}

/// What a film file holds as FFmpeg's decoders see it.
struct DecodedFilm {
    int frameCount = 0;
    QImage firstFrame; ///< in QImage::Format_RGB32, by the colour matrix and range the stream is
                       ///< tagged with
};

/// `frame` in RGB, read through the matrix and range it is tagged with, so that a
/// mislabelled film shows as wrong colours.
inline QImage rgbImage(const AVFrame *frame)
{
    QImage image(frame->width, frame->height, QImage::Format_RGB32);
    SwsContext *scaler = sws_getContext(frame->width, frame->height, AVPixelFormat(frame->format),
        frame->width, frame->height, AV_PIX_FMT_RGB32,
        SWS_BICUBIC | SWS_FULL_CHR_H_INT | SWS_ACCURATE_RND, nullptr, nullptr, nullptr);
    const int *matrix = sws_getCoefficients(frame->colorspace);
    sws_setColorspaceDetails(
        scaler, matrix, frame->color_range == AVCOL_RANGE_JPEG, matrix, 1, 0, 1 << 16, 1 << 16);
    uint8_t *const rows[] = { image.bits() };
    const int stride[] = { int(image.bytesPerLine()) };
    sws_scale(scaler, frame->data, frame->linesize, 0, frame->height, rows, stride);
    sws_freeContext(scaler);
    return image;
}

/// Decodes every frame of the video stream of `fileName`; no frames when it cannot be read.
inline DecodedFilm decodeFilm(const QString &fileName)
{
    DecodedFilm film;
    AVFormatContext *container = nullptr;
    if (avformat_open_input(&container, QFile::encodeName(fileName).constData(), nullptr, nullptr)
        < 0)
        return film;
    const AVCodec *decoder = nullptr;
    const int stream = avformat_find_stream_info(container, nullptr) < 0
        ? -1
        : av_find_best_stream(container, AVMEDIA_TYPE_VIDEO, -1, -1, &decoder, 0);
    AVCodecContext *codec = stream < 0 ? nullptr : avcodec_alloc_context3(decoder);
    AVPacket *packet = av_packet_alloc();
    AVFrame *frame = av_frame_alloc();
    if (codec && avcodec_parameters_to_context(codec, container->streams[stream]->codecpar) >= 0
        && avcodec_open2(codec, decoder, nullptr) >= 0) {
        const auto receiveFrames = [&] {
            while (avcodec_receive_frame(codec, frame) >= 0) {
                if (film.frameCount++ == 0)
                    film.firstFrame = rgbImage(frame);
                av_frame_unref(frame);
            }
        };
        while (av_read_frame(container, packet) >= 0) {
            if (packet->stream_index == stream && avcodec_send_packet(codec, packet) >= 0)
                receiveFrames();
            av_packet_unref(packet);
        }
        avcodec_send_packet(codec, nullptr);
        receiveFrames();
    }
    av_frame_free(&frame);
    av_packet_free(&packet);
    avcodec_free_context(&codec);
    avformat_close_input(&container);
    return film;
}

#endif
