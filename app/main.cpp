#include "mainwindow.h"

#include <QApplication>
#include <QLocale>
#include <QTranslator>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    const QString locale = QLocale::system().name();
    QTranslator programTranslator;
    QTranslator standardTranslator;
    // Only Russia's Russian: other countries' Russian locales keep the English texts.
    if (locale == "ru_RU") {
        programTranslator.load(":/translations/vorlix_ru_RU");
        standardTranslator.load(":/translations/qtstandard_ru");
    }
    application.installTranslator(&programTranslator);
    application.installTranslator(&standardTranslator);

    MainWindow window;
    window.show();
    return application.exec();
}
