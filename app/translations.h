// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef VORLIX_TRANSLATIONS_H
#define VORLIX_TRANSLATIONS_H

class QCoreApplication;
class QString;
class QTranslator;

/// Loads the program's and Qt's standard-dialog Russian catalogues into the two
/// translators when the locale name is exactly "ru_RU" (Russian of other countries stays
/// English), then installs both, the program's first. Empty translators change nothing.
/// Returns whether both catalogues were loaded.
///
/// Given `qt`, it also loads the system's Qt catalogue qtbase_ru into it, where the system
/// has Qt's translations, and installs it before the other two: Qt consults the translator
/// installed last first, so the program's catalogues win for every text they list.
bool installTranslations(QCoreApplication &application, const QString &localeName,
    QTranslator &program, QTranslator &standard, QTranslator *qt = nullptr);

#endif
