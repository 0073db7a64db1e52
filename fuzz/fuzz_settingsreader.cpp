// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a settings file: the reader must not crash or hang, and the store it
// returns must keep the rules the program relies on.
#include "settingsfile.h"
#include "settingsimport.h"

#include <QByteArray>
#include <QTextStream>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QByteArray bytes(reinterpret_cast<const char *>(data), int(size));
    QTextStream in(&bytes);
    const vorlix::SettingsFile settings = vorlix::readSettings(in);
    for (const vorlix::Preset &preset : settings.presets)
        if (preset.name.contains('#') || preset.name.contains('\n') || preset.bodyFile.contains('#')
            || preset.bodyFile != preset.bodyFile.trimmed())
            std::abort();
    if (!settings.lineWidthSeen && settings.lineWidth != 1)
        std::abort();
    // A file the import check lets through never brings a moment that is not positive.
    if (vorlix::settingsImportProblem(bytes) == vorlix::SettingsImportProblem::None) {
        for (const vorlix::Preset &p : settings.presets)
            if (!(p.inertiaX > 0 && p.inertiaY > 0 && p.inertiaZ > 0))
                std::abort();
    }
    return 0;
}
