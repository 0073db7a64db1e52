// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef VORLIX_SETTINGSIMPORT_H
#define VORLIX_SETTINGSIMPORT_H

#include <QByteArray>

namespace vorlix {

/// Why a file must not replace the preset store.
enum class SettingsImportProblem {
    None,
    /// Not text (a NUL byte, or bytes that are not UTF-8), or a line that is neither a
    /// "[name]" header, nor key=value, nor blank or comment: likely a mesh, an image or
    /// prose chosen by mistake.
    NotSettingsFile,
    /// A preset reads a moment of inertia that is zero or negative, including a value that
    /// is no number, which the reader takes as 0. A moment written as nan or inf reads as
    /// a missing key (1) and passes.
    MomentNotPositive,
};

/// Checks the raw bytes of a settings file before they replace the store. The first
/// problem found is returned, the file's structure before its moments. The reader itself
/// tolerates every one of these; a "[name" header without "]" would read as a preset
/// named without its last character, which is why it counts as no settings file here.
/// Files written by writeSettings, and hand-written ones that stick to headers and
/// key=value lines, pass.
SettingsImportProblem settingsImportProblem(const QByteArray &bytes);

/// Whether the bytes are well-formed UTF-8 (RFC 3629): no overlong forms, no surrogates,
/// nothing beyond U+10FFFF, no sequence cut short.
bool isWellFormedUtf8(const QByteArray &bytes);

} // namespace vorlix

#endif
