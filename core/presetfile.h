// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef VORLIX_PRESETFILE_H
#define VORLIX_PRESETFILE_H

#include "settingsfile.h"

#include <QString>

namespace vorlix {

/// The most presets the program keeps; a file's presets after these are dropped.
constexpr int presetCapacity = 500;

/// How long a change waits for another window's lock before giving up.
constexpr int defaultLockTimeoutMs = 5000;

/// How one change to a settings file ended.
enum class PresetFileStatus {
    Written, ///< the file holds the change
    Unchanged, ///< the preset to delete is not in the file; nothing was written
    NoRoom, ///< the file already holds presetCapacity presets; nothing was written
    Locked, ///< the lock was held past the timeout or cannot be made; nothing was read
    ReadFailed, ///< the file exists but cannot be read; it is left alone
    WriteFailed, ///< the new content was not written whole; the file is as it was
};

struct PresetFileResult {
    PresetFileStatus status = PresetFileStatus::Locked;
    /// The file as the windows now find it: after a write, read back from what was
    /// written (numbers rounded as the file keeps them); otherwise as it was read, with
    /// `initial`'s parts where it had none.
    SettingsFile settings;
};

// Each change below works on the file as it is at that moment, not on the window's copy of
// it, so that windows saving in turn lose none of each other's presets. It holds the lock
// file "<fileName>.lock" (QLockFile) from reading to writing; a lock whose process is gone,
// or that is older than ten seconds, is taken over rather than waited for. The file is
// replaced whole or not at all (QSaveFile), and its folder is made when missing.
//
// `initial` is the window's own store: it is the content when the file does not exist
// yet, and gives the colour and line width when the file has no such line. So with a
// single window the file comes out byte for byte as writeSettings() of that window's
// store writes it. Presets after the first presetCapacity of a file are dropped.

/// Stores `preset` under its name: in the place of the last preset of that name, or
/// appended after all others.
PresetFileResult savePreset(const QString &fileName, const Preset &preset,
    const SettingsFile &initial, int lockTimeoutMs = defaultLockTimeoutMs);

/// Removes the last preset called `name`.
PresetFileResult deletePreset(const QString &fileName, const QString &name,
    const SettingsFile &initial, int lockTimeoutMs = defaultLockTimeoutMs);

/// Sets the colour (as in SettingsFile::colourText) and the line width; the last window
/// to set them wins.
PresetFileResult setDisplay(const QString &fileName, const QString &colourText, float lineWidth,
    const SettingsFile &initial, int lockTimeoutMs = defaultLockTimeoutMs);

} // namespace vorlix

#endif
