// SPDX-License-Identifier: GPL-3.0-or-later
#include "gifpalette.h"

#include "videoerror.h"

extern "C" {
#include <libavfilter/buffersink.h>
#include <libavfilter/buffersrc.h>
#include <libavutil/imgutils.h>
}

namespace vorlix {

namespace {

// palettegen's output: one pixel per colour.
constexpr int paletteSide = 16;

} // namespace

bool GifPalette::open(int side, int fps, QString *error)
{
    m_side = side;
    m_fps = fps;
    if (!newGraph(error))
        return false;
    m_frames = addFrameSource("frames", side, error);
    AVFilterContext *counter = addFilter("palettegen", "counter", QString(), error);
    m_result = addFilter("buffersink", "palette", QString(), error);
    return m_frames && counter && m_result && link(m_frames, counter, 0, error)
        && link(counter, m_result, 0, error) && configure(error);
}

bool GifPalette::learn(const QImage &frame, QString *error)
{
    return push(m_frames, frame, error);
}

bool GifPalette::startMapping(QString *error)
{
    int code = av_buffersrc_add_frame(m_frames, nullptr);
    const FramePointer palette(av_frame_alloc());
    if (code >= 0)
        code = palette ? av_buffersink_get_frame(m_result, palette.get()) : AVERROR(ENOMEM);
    if (code < 0)
        return failWithFfmpeg(error, code);

    if (!newGraph(error))
        return false;
    m_nextPts = 0;
    m_frames = addFrameSource("frames", m_side, error);
    AVFilterContext *colours = addFrameSource("colours", paletteSide, error);
    AVFilterContext *mapper
        = addFilter("paletteuse", "mapper", QStringLiteral("dither=bayer"), error);
    m_result = addFilter("buffersink", "mapped", QString(), error);
    if (!m_frames || !colours || !mapper || !m_result || !link(m_frames, mapper, 0, error)
        || !link(colours, mapper, 1, error) || !link(mapper, m_result, 0, error)
        || !configure(error))
        return false;
    // paletteuse keeps the last palette it was given for all later frames.
    code = av_buffersrc_add_frame(colours, palette.get());
    if (code >= 0)
        code = av_buffersrc_add_frame(colours, nullptr);
    return code >= 0 || failWithFfmpeg(error, code);
}

bool GifPalette::map(const QImage &frame, QString *error)
{
    if (frame.isNull()) {
        const int code = av_buffersrc_add_frame(m_frames, nullptr);
        return code >= 0 || failWithFfmpeg(error, code);
    }
    return push(m_frames, frame, error);
}

int GifPalette::takeMapped(AVFrame *mapped)
{
    return av_buffersink_get_frame(m_result, mapped);
}

bool GifPalette::newGraph(QString *error)
{
    m_graph.reset(avfilter_graph_alloc());
    if (!m_graph)
        return failWithFfmpeg(error, AVERROR(ENOMEM));
    // One thread, so that the result does not depend on the machine.
    m_graph->nb_threads = 1;
    return true;
}

AVFilterContext *GifPalette::addFilter(
    const char *filter, const char *name, const QString &arguments, QString *error)
{
    AVFilterContext *context = nullptr;
    const QByteArray argumentText = arguments.toLatin1();
    const int code = avfilter_graph_create_filter(&context, avfilter_get_by_name(filter), name,
        arguments.isEmpty() ? nullptr : argumentText.constData(), nullptr, m_graph.get());
    if (code < 0)
        failWithFfmpeg(error, code);
    return context;
}

AVFilterContext *GifPalette::addFrameSource(const char *name, int side, QString *error)
{
    return addFilter("buffer", name,
        QStringLiteral("video_size=%1x%1:pix_fmt=%2:time_base=1/%3:pixel_aspect=1/1")
            .arg(side)
            .arg(int(AV_PIX_FMT_RGB32))
            .arg(m_fps),
        error);
}

bool GifPalette::link(AVFilterContext *from, AVFilterContext *to, int toInput, QString *error)
{
    const int code = avfilter_link(from, 0, to, unsigned(toInput));
    return code >= 0 || failWithFfmpeg(error, code);
}

bool GifPalette::configure(QString *error)
{
    const int code = avfilter_graph_config(m_graph.get(), nullptr);
    return code >= 0 || failWithFfmpeg(error, code);
}

bool GifPalette::push(AVFilterContext *source, const QImage &frame, QString *error)
{
    const FramePointer copy(av_frame_alloc());
    if (!copy)
        return failWithFfmpeg(error, AVERROR(ENOMEM));
    copy->format = AV_PIX_FMT_RGB32;
    copy->width = m_side;
    copy->height = m_side;
    copy->pts = m_nextPts++;
    int code = av_frame_get_buffer(copy.get(), 0);
    if (code >= 0) {
        av_image_copy_plane(copy->data[0], copy->linesize[0], frame.constBits(),
            int(frame.bytesPerLine()), 4 * m_side, m_side);
        // Pushed through at once: left for the next pull, every learnt frame would wait in
        // memory until the palette is asked for.
        code = av_buffersrc_add_frame_flags(source, copy.get(), AV_BUFFERSRC_FLAG_PUSH);
    }
    return code >= 0 || failWithFfmpeg(error, code);
}

} // namespace vorlix
