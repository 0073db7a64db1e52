// SPDX-License-Identifier: GPL-3.0-or-later
#include "presetfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QTextStream>

namespace vorlix {

namespace {

// A change holds the lock for milliseconds: one this old belongs to a writer that hangs.
constexpr int staleLockMs = 10000;

int lastIndexOf(const QVector<Preset> &presets, const QString &name)
{
    for (int i = presets.size() - 1; i >= 0; --i)
        if (presets[i].name == name)
            return i;
    return -1;
}

// The file as it is now, `initial` standing in for what it lacks.
bool readCurrent(const QString &fileName, const SettingsFile &initial, SettingsFile &settings)
{
    QFile file(fileName);
    if (!file.exists()) {
        settings = initial;
    } else {
        if (!file.open(QIODevice::ReadOnly))
            return false;
        QTextStream in(&file);
        settings = readSettings(in);
        if (file.error() != QFileDevice::NoError)
            return false;
    }
    if (!settings.colourSeen)
        settings.colourText = initial.colourText;
    if (!settings.lineWidthSeen)
        settings.lineWidth = initial.lineWidth;
    settings.colourSeen = settings.lineWidthSeen = true;
    if (settings.presets.size() > presetCapacity)
        settings.presets.resize(presetCapacity);
    return true;
}

// Replaces the file whole; on success `settings` becomes what was written, read back.
bool write(const QString &fileName, SettingsFile &settings)
{
    QByteArray bytes;
    {
        QTextStream out(&bytes, QIODevice::WriteOnly);
        writeSettings(out, settings);
    }
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return false;
    QTextStream in(bytes);
    settings = readSettings(in);
    return true;
}

// Applies `change` (SettingsFile & → PresetFileStatus, Written when there is something to
// write) to the file under its lock.
template<typename Change>
PresetFileResult changeFile(
    const QString &fileName, const SettingsFile &initial, int lockTimeoutMs, Change change)
{
    PresetFileResult result;
    QDir().mkpath(QFileInfo(fileName).absolutePath());
    QLockFile lock(fileName + ".lock");
    lock.setStaleLockTime(staleLockMs);
    if (!lock.tryLock(lockTimeoutMs))
        return result;
    if (!readCurrent(fileName, initial, result.settings)) {
        result.status = PresetFileStatus::ReadFailed;
        return result;
    }
    SettingsFile changed = result.settings;
    result.status = change(changed);
    if (result.status != PresetFileStatus::Written)
        return result;
    if (write(fileName, changed))
        result.settings = changed;
    else
        result.status = PresetFileStatus::WriteFailed;
    return result;
}

} // namespace

PresetFileResult savePreset(
    const QString &fileName, const Preset &preset, const SettingsFile &initial, int lockTimeoutMs)
{
    return changeFile(fileName, initial, lockTimeoutMs, [&](SettingsFile &settings) {
        const int existing = lastIndexOf(settings.presets, preset.name);
        if (existing >= 0)
            settings.presets[existing] = preset;
        else if (settings.presets.size() < presetCapacity)
            settings.presets.append(preset);
        else
            return PresetFileStatus::NoRoom;
        return PresetFileStatus::Written;
    });
}

PresetFileResult deletePreset(
    const QString &fileName, const QString &name, const SettingsFile &initial, int lockTimeoutMs)
{
    return changeFile(fileName, initial, lockTimeoutMs, [&](SettingsFile &settings) {
        const int existing = lastIndexOf(settings.presets, name);
        if (existing < 0)
            return PresetFileStatus::Unchanged;
        settings.presets.remove(existing);
        return PresetFileStatus::Written;
    });
}

PresetFileResult setDisplay(const QString &fileName, const QString &colourText, float lineWidth,
    const SettingsFile &initial, int lockTimeoutMs)
{
    return changeFile(fileName, initial, lockTimeoutMs, [&](SettingsFile &settings) {
        settings.colourText = colourText;
        settings.lineWidth = lineWidth;
        return PresetFileStatus::Written;
    });
}

} // namespace vorlix
