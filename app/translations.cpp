// SPDX-License-Identifier: GPL-3.0-or-later
#include "translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QString>
#include <QTranslator>

bool installTranslations(QCoreApplication &application, const QString &localeName,
    QTranslator &program, QTranslator &standard, QTranslator *qt)
{
    bool loaded = false;
    if (localeName == QLatin1String("ru_RU")) {
        if (qt)
            qt->load("qtbase_ru", QLibraryInfo::location(QLibraryInfo::TranslationsPath));
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
