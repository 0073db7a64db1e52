// SPDX-License-Identifier: GPL-3.0-or-later
#include "videoformat.h"

namespace vorlix {

namespace {

bool endsWithSuffixOf(const QString &fileName, VideoFormat format)
{
    return fileName.endsWith(videoSuffix(format), Qt::CaseInsensitive);
}

} // namespace

QString videoSuffix(VideoFormat format)
{
    switch (format) {
    case VideoFormat::WebM:
        return QStringLiteral(".webm");
    case VideoFormat::Gif:
        return QStringLiteral(".gif");
    case VideoFormat::Mp4:
        break;
    }
    return QStringLiteral(".mp4");
}

VideoFormat videoFormatForFileName(const QString &fileName)
{
    for (VideoFormat format : { VideoFormat::WebM, VideoFormat::Gif }) {
        if (endsWithSuffixOf(fileName, format))
            return format;
    }
    return VideoFormat::Mp4;
}

QString withVideoSuffix(const QString &fileName)
{
    for (VideoFormat format : { VideoFormat::Mp4, VideoFormat::WebM, VideoFormat::Gif }) {
        if (endsWithSuffixOf(fileName, format))
            return fileName;
    }
    return fileName + videoSuffix(VideoFormat::Mp4);
}

} // namespace vorlix
