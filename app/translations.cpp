// SPDX-License-Identifier: GPL-3.0-or-later
#include "translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QString>
#include <QTranslator>

namespace {

QString qtTranslationsPath()
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath);
#else
    return QLibraryInfo::location(QLibraryInfo::TranslationsPath);
#endif
}

} // namespace

bool installTranslations(QCoreApplication &application, const QString &localeName,
    QTranslator &program, QTranslator &standard, QTranslator *qt)
{
    bool loaded = false;
    if (localeName == QLatin1String("ru_RU")) {
        // Qt's own catalogue is a bonus: without it only Qt's standard buttons stay English.
        if (qt)
            (void)qt->load("qtbase_ru", qtTranslationsPath());
        const bool programLoaded = program.load(":/translations/vorlix_ru_RU");
        const bool standardLoaded = standard.load(":/translations/qtstandard_ru");
        loaded = programLoaded && standardLoaded;
    }
    if (qt)
        application.installTranslator(qt);
    application.installTranslator(&program);
    application.installTranslator(&standard);
    return loaded;
}
