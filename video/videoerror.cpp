// SPDX-License-Identifier: GPL-3.0-or-later
#include "videoerror.h"

#include <QCoreApplication>

extern "C" {
#include <libavutil/error.h>
}

namespace vorlix {

QString ffmpegErrorText(int code)
{
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(code, text, sizeof text);
    return QString::fromUtf8(text);
}

bool failWith(QString *error, const QString &message)
{
    if (error)
        *error = message;
    return false;
}

bool failWithFfmpeg(QString *error, int code)
{
    return failWith(error,
        videoText(QT_TRANSLATE_NOOP("VideoEncoder", "FFmpeg could not make the film: %1"))
            .arg(ffmpegErrorText(code)));
}

QString videoText(const char *text)
{
    return QCoreApplication::translate("VideoEncoder", text);
}

} // namespace vorlix
