// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef VORLIX_VIDEOERROR_H
#define VORLIX_VIDEOERROR_H

#include <QString>

namespace vorlix {

/// FFmpeg's own description of a negative error code such as AVERROR(ENOSPC).
QString ffmpegErrorText(int code);

/// Stores `message` in `*error` unless `error` is null; returns false so that a failing
/// step can end with `return failWith(error, ...)`.
bool failWith(QString *error, const QString &message);

/// failWith() with a message for an FFmpeg step that failed for want of resources or
/// settings rather than through the file, e.g. memory running out.
bool failWithFfmpeg(QString *error, int code);

/// `text` translated in the "VideoEncoder" context, which every message of the film
/// writer uses; `text` must be a literal marked with QT_TRANSLATE_NOOP("VideoEncoder", ...).
QString videoText(const char *text);

} // namespace vorlix

#endif
