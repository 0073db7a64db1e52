// SPDX-License-Identifier: GPL-3.0-or-later
#include "settingsfile.h"

#include <QStringList>
#include <QTextStream>
#include <climits>
#include <cmath>

namespace vorlix {

namespace {

// Truncation toward zero that stays defined for finite values no int can hold.
int truncatedToInt(double value)
{
    if (value >= double(INT_MAX))
        return INT_MAX;
    if (value <= double(INT_MIN))
        return INT_MIN;
    return int(value);
}

// A value that is not finite leaves the field as a missing key would: a nan or inf would
// only make the simulation diverge from its first tick.
void storeFinite(double &field, double value)
{
    if (std::isfinite(value))
        field = value;
}

// Stores a key's value in the preset; returns whether the key was a finite iterPerFrame.
bool storeValue(Preset &preset, const QString &key, double value)
{
    if (key == "Ix" || key == "I1")
        storeFinite(preset.inertiaX, value);
    else if (key == "Iy" || key == "I2")
        storeFinite(preset.inertiaY, value);
    else if (key == "Iz" || key == "I3")
        storeFinite(preset.inertiaZ, value);
    else if (key == "Wx")
        storeFinite(preset.omegaX, value);
    else if (key == "Wy")
        storeFinite(preset.omegaY, value);
    else if (key == "Wz")
        storeFinite(preset.omegaZ, value);
    else if (key == "wx")
        storeFinite(preset.omegaX, value * radiansPerTurn);
    else if (key == "wy")
        storeFinite(preset.omegaY, value * radiansPerTurn);
    else if (key == "wz")
        storeFinite(preset.omegaZ, value * radiansPerTurn);
    else if (key == "Speed")
        storeFinite(preset.speed, value);
    else if (key == "iterPerFrame" && std::isfinite(value)) {
        preset.iterPerFrame = truncatedToInt(value);
        return true;
    }
    return false;
}

QString number(double value)
{
    return QString::number(value, 'g', 6);
}

} // namespace

bool readSettingsLine(QTextStream &in, QString *line)
{
    while (in.readLineInto(line)) {
        const int comment = line->indexOf('#');
        if (comment >= 0)
            line->truncate(comment);
        *line = line->trimmed();
        if (!line->isEmpty())
            return true;
    }
    return false;
}

SettingsFile readSettings(QTextStream &in)
{
    SettingsFile settings;
    int iterPerFrameLines = 0;
    QString line;
    while (readSettingsLine(in, &line)) {

        if (line.startsWith('[')) {
            Preset preset;
            preset.name = line.mid(1, line.size() - 2);
            settings.presets.append(preset);
            continue;
        }

        const QStringList parts = line.split('=');
        if (parts.size() < 2)
            continue;
        const QString &key = parts[0];
        const QString &value = parts[1];

        // The display settings still fall through to the key handling, where their
        // keys match nothing.
        if (!settings.colourSeen && line.startsWith("Color")) {
            settings.colourText = value;
            settings.colourSeen = true;
        }
        if (!settings.lineWidthSeen && line.startsWith("Line")) {
            const float width = value.toFloat();
            if (std::isfinite(width)) {
                settings.lineWidth = width;
                settings.lineWidthSeen = true;
            }
        }

        if (settings.presets.isEmpty())
            continue;
        if (key == "Body") {
            settings.presets.last().bodyFile = line.mid(key.size() + 1).trimmed();
            continue;
        }
        if (storeValue(settings.presets.last(), key, value.toDouble()))
            ++iterPerFrameLines;
    }

    if (iterPerFrameLines < settings.presets.size()) {
        for (Preset &preset : settings.presets)
            preset.iterPerFrame = 1000;
    }
    return settings;
}

void writeSettings(QTextStream &out, const SettingsFile &settings)
{
    out << "Color=" << settings.colourText << '\n';
    out << "LineWidth=" << number(settings.lineWidth) << '\n';
    out << '\n';
    for (const Preset &preset : settings.presets) {
        if (preset.name.isEmpty())
            continue;
        out << '[' << preset.name << "]\n";
        out << "Ix=" << number(preset.inertiaX) << '\n';
        out << "Iy=" << number(preset.inertiaY) << '\n';
        out << "Iz=" << number(preset.inertiaZ) << '\n';
        out << "Wx=" << number(preset.omegaX) << '\n';
        out << "Wy=" << number(preset.omegaY) << '\n';
        out << "Wz=" << number(preset.omegaZ) << '\n';
        out << "Speed=" << number(preset.speed) << '\n';
        out << "iterPerFrame=" << QString::number(preset.iterPerFrame) << '\n';
        if (!preset.bodyFile.isEmpty())
            out << "Body=" << preset.bodyFile << '\n';
        out << '\n';
    }
}

} // namespace vorlix
