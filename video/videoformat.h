// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef VORLIX_VIDEOFORMAT_H
#define VORLIX_VIDEOFORMAT_H

#include <QString>

namespace vorlix {

/// The kinds of film the program writes, each named by its file suffix.
enum class VideoFormat {
    Mp4, ///< ".mp4": H.264, 4:2:0
    WebM, ///< ".webm": VP9, 4:2:0
    Gif, ///< ".gif": one 256-colour palette made for the whole film
};

/// The format a film file name asks for by its suffix (case ignored); a name without one
/// of the three suffixes is an MP4 film, as withVideoSuffix() names it.
VideoFormat videoFormatForFileName(const QString &fileName);

/// `fileName` unchanged when it ends in ".mp4", ".webm" or ".gif" (case ignored),
/// otherwise with ".mp4" appended: "orbit" and "orbit.avi" become "orbit.mp4" and
/// "orbit.avi.mp4".
QString withVideoSuffix(const QString &fileName);

/// The suffix, with its dot, a film of `format` is named with.
QString videoSuffix(VideoFormat format);

} // namespace vorlix

#endif
