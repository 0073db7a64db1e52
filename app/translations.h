#ifndef VORLIX_TRANSLATIONS_H
#define VORLIX_TRANSLATIONS_H

class QCoreApplication;
class QString;
class QTranslator;

/// Loads the program's and Qt's standard-dialog Russian catalogues into the two
/// translators when the locale name is exactly "ru_RU" (Russian of other countries stays
/// English), then installs both, the program's first. Empty translators change nothing.
/// Returns whether both catalogues were loaded.
bool installTranslations(QCoreApplication &application, const QString &localeName,
    QTranslator &program, QTranslator &standard);

#endif
