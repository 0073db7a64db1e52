// SPDX-License-Identifier: GPL-3.0-or-later
#include "presetsource.h"

#include <QDir>
#include <QFile>
#include <QTextStream>

namespace vorlix {

QString presetsFileName(const QString &homePath)
{
    const QString user = homePath + QDir::separator() + ".vorlix" + QDir::separator() + "user.ini";
    return QFile::exists(user) ? user : QStringLiteral("default.ini");
}

std::optional<Preset> findPreset(const QString &fileName, const QString &name, QString *error)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QString(QT_TRANSLATE_NOOP("CommandLine", "cannot read the presets in %1: %2"))
                     .arg(fileName, file.errorString());
        return std::nullopt;
    }
    QTextStream in(&file);
    for (const Preset &preset : readSettings(in).presets) {
        if (preset.name == name)
            return preset;
    }
    *error
        = QString(QT_TRANSLATE_NOOP("CommandLine", "no preset \"%1\" in %2")).arg(name, fileName);
    return std::nullopt;
}

} // namespace vorlix
