// SPDX-License-Identifier: GPL-3.0-or-later
// Whatever a settings file held, once the program has read it and written it back, the
// written file must read back to the same store and write to the same text again.
#include "settingsfile.h"

#include <QByteArray>
#include <QColor>
#include <QTextStream>
#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace {

vorlix::SettingsFile read(QByteArray text)
{
    QTextStream in(&text);
    return vorlix::readSettings(in);
}

QByteArray write(const vorlix::SettingsFile &settings)
{
    QByteArray text;
    {
        QTextStream out(&text);
        vorlix::writeSettings(out, settings);
    }
    return text;
}

bool same(double a, double b)
{
    return a == b || (std::isnan(a) && std::isnan(b));
}

bool samePreset(const vorlix::Preset &a, const vorlix::Preset &b)
{
    return a.name == b.name && same(a.inertiaX, b.inertiaX) && same(a.inertiaY, b.inertiaY)
        && same(a.inertiaZ, b.inertiaZ) && same(a.omegaX, b.omegaX) && same(a.omegaY, b.omegaY)
        && same(a.omegaZ, b.omegaZ) && same(a.speed, b.speed) && a.iterPerFrame == b.iterPerFrame
        && a.bodyFile == b.bodyFile;
}

void check(bool condition)
{
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    vorlix::SettingsFile original
        = read(QByteArray(reinterpret_cast<const char *>(data), int(size)));
    // The program keeps the colour as a QColor and writes back that colour's name.
    const QColor colour
        = original.colourSeen ? QColor("#" + original.colourText) : QColor(Qt::black);
    original.colourText = colour.name().mid(1);
    const QByteArray written = write(original);
    const vorlix::SettingsFile reread = read(written);
    check(write(reread) == written);

    int named = 0;
    for (const vorlix::Preset &preset : original.presets)
        named += preset.name.isEmpty() ? 0 : 1;
    check(reread.presets.size() == named);
    const vorlix::SettingsFile third = read(write(reread));
    check(third.presets.size() == reread.presets.size());
    for (int i = 0; i < reread.presets.size(); ++i)
        check(samePreset(third.presets[i], reread.presets[i]));
    return 0;
}
