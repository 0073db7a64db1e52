// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef VORLIX_VIDEOCODEC_H
#define VORLIX_VIDEOCODEC_H

#include "ffmpegpointers.h"
#include "videoformat.h"

#include <QString>

namespace vorlix {

/// FFmpeg's encoder for `format`, or null when this FFmpeg lacks it: libx264 for MP4
/// (else any H.264 encoder that takes 4:2:0 frames in memory), libvpx-vp9 for WebM, gif
/// for GIF.
const AVCodec *findVideoEncoder(VideoFormat format);

/// The encoder a message names when `format` cannot be written, e.g. "VP9 (libvpx-vp9)".
QString videoEncoderName(VideoFormat format);

/// The opened encoder for a film of `format`, `side` × `side` pixels at `fps` frames per
/// second with pts counted in frames; null after a failure, which `*error` describes.
/// `globalHeader` is FilmFile::wantsGlobalHeader().
///
/// Frames go in as yuv420p (BT.709 matrix, limited range, tagged so) or, for GIF, pal8.
/// Settings favour a film made as fast as it is drawn: x264 preset "veryfast" with
/// constant quality (crf 20), VP9 at real-time speed 8 with crf 30. Every encoder runs on
/// one thread, so the same frames give the same bytes on any machine.
CodecPointer openVideoCodec(
    VideoFormat format, int side, int fps, bool globalHeader, QString *error);

} // namespace vorlix

#endif
