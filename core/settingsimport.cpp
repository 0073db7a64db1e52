// SPDX-License-Identifier: GPL-3.0-or-later
#include "settingsimport.h"

#include "settingsfile.h"

#include <QTextStream>

namespace vorlix {

namespace {

// Lines as the reader sees them, so that what passes here is exactly what it will read.
bool hasOnlySettingsLines(QByteArray bytes)
{
    QTextStream in(&bytes);
    QString line;
    while (readSettingsLine(in, &line)) {
        if (line.startsWith('[') ? !line.endsWith(']') || line.size() < 2 : !line.contains('='))
            return false;
    }
    return true;
}

bool hasPositiveMoments(QByteArray bytes)
{
    QTextStream in(&bytes);
    // The reader drops numbers that are not finite as if their line were missing.
    for (const Preset &p : readSettings(in).presets) {
        if (!(p.inertiaX > 0 && p.inertiaY > 0 && p.inertiaZ > 0))
            return false;
    }
    return true;
}

} // namespace

bool isWellFormedUtf8(const QByteArray &bytes)
{
    const auto *p = reinterpret_cast<const unsigned char *>(bytes.constData());
    const auto *end = p + bytes.size();
    while (p < end) {
        const unsigned char lead = *p++;
        if (lead < 0x80)
            continue;
        // The ranges of the Unicode Standard's table of well-formed sequences: the second
        // byte's range excludes overlong forms, surrogates and code points past U+10FFFF.
        int following = 0;
        unsigned char low = 0x80, high = 0xBF;
        if (lead >= 0xC2 && lead <= 0xDF) {
            following = 1;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            following = 2;
            low = lead == 0xE0 ? 0xA0 : 0x80;
            high = lead == 0xED ? 0x9F : 0xBF;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            following = 3;
            low = lead == 0xF0 ? 0x90 : 0x80;
            high = lead == 0xF4 ? 0x8F : 0xBF;
        } else {
            return false;
        }
        if (end - p < following || *p < low || *p > high)
            return false;
        for (int i = 1; i < following; ++i) {
            if (p[i] < 0x80 || p[i] > 0xBF)
                return false;
        }
        p += following;
    }
    return true;
}

SettingsImportProblem settingsImportProblem(const QByteArray &bytes)
{
    if (bytes.contains('\0') || !isWellFormedUtf8(bytes) || !hasOnlySettingsLines(bytes))
        return SettingsImportProblem::NotSettingsFile;
    if (!hasPositiveMoments(bytes))
        return SettingsImportProblem::MomentNotPositive;
    return SettingsImportProblem::None;
}

} // namespace vorlix
