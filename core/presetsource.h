// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef VORLIX_PRESETSOURCE_H
#define VORLIX_PRESETSOURCE_H

#include "settingsfile.h"

#include <QString>

#include <optional>

namespace vorlix {

/// The settings file the program takes its presets from: the user's
/// `<home>/.vorlix/user.ini` once it exists, else "default.ini" in the working directory.
QString presetsFileName(const QString &homePath);

/// The preset called `name` (compared exactly) in the settings file `fileName`. Without it,
/// or when the file cannot be read, nothing, and `error` names the problem in one line.
std::optional<Preset> findPreset(const QString &fileName, const QString &name, QString *error);

} // namespace vorlix

#endif
