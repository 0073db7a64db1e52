#include "mainwindow.h"
#include "translations.h"

#include <QApplication>
#include <QLocale>
#include <QTranslator>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QTranslator programTranslator;
    QTranslator standardTranslator;
    installTranslations(
        application, QLocale::system().name(), programTranslator, standardTranslator);

    MainWindow window;
    window.show();
    return application.exec();
}
