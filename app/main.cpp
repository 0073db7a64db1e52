// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow.h"
#include "translations.h"

#include <QApplication>
#include <QLocale>
#include <QTranslator>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QTranslator qtTranslator;
    QTranslator programTranslator;
    QTranslator standardTranslator;
    installTranslations(application, QLocale::system().name(), programTranslator,
        standardTranslator, &qtTranslator);

    MainWindow window;
    window.show();
    return application.exec();
}
