// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef VORLIX_FFMPEGPOINTERS_H
#define VORLIX_FFMPEGPOINTERS_H

#include <memory>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavfilter/avfilter.h>
#include <libavutil/frame.h>
#include <libswscale/swscale.h>
}

namespace vorlix {

/// Owners of FFmpeg objects, freed with FFmpeg's matching function.
struct FfmpegDeleter {
    void operator()(AVCodecContext *codec) const { avcodec_free_context(&codec); }
    void operator()(AVFilterGraph *graph) const { avfilter_graph_free(&graph); }
    void operator()(AVFrame *frame) const { av_frame_free(&frame); }
    void operator()(AVPacket *packet) const { av_packet_free(&packet); }
    void operator()(SwsContext *scaler) const { sws_freeContext(scaler); }
};

using CodecPointer = std::unique_ptr<AVCodecContext, FfmpegDeleter>;
using FilterGraphPointer = std::unique_ptr<AVFilterGraph, FfmpegDeleter>;
using FramePointer = std::unique_ptr<AVFrame, FfmpegDeleter>;
using PacketPointer = std::unique_ptr<AVPacket, FfmpegDeleter>;
using ScalerPointer = std::unique_ptr<SwsContext, FfmpegDeleter>;

} // namespace vorlix

#endif
