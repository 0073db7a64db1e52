#include "translations.h"

#include <QCoreApplication>
#include <QString>
#include <QTranslator>

bool installTranslations(QCoreApplication &application, const QString &localeName,
    QTranslator &program, QTranslator &standard)
{
    bool loaded = false;
    if (localeName == QLatin1String("ru_RU")) {
        const bool programLoaded = program.load(":/translations/vorlix_ru_RU");
        const bool standardLoaded = standard.load(":/translations/qtstandard_ru");
        loaded = programLoaded && standardLoaded;
    }
    application.installTranslator(&program);
    application.installTranslator(&standard);
    return loaded;
}
