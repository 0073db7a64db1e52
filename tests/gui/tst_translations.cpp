// SPDX-License-Identifier: GPL-3.0-or-later
#include "about.h"
#include "glwidget.h"
#include "mainwindow.h"
#include "testsupport.h"
#include "translations.h"
#include "ui_about.h"
#include "ui_mainwindowclass.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QDockWidget>
#include <QLabel>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QTranslator>
#include <QtTest>

namespace {

/// The catalogues chosen for a locale name, Qt's own too, installed for the object's lifetime.
struct InstalledCatalogues {
    explicit InstalledCatalogues(const QString &localeName)
        : loaded(installTranslations(*qApp, localeName, program, standard, &qt))
    {
    }
    ~InstalledCatalogues()
    {
        qApp->removeTranslator(&standard);
        qApp->removeTranslator(&program);
        qApp->removeTranslator(&qt);
    }

    QTranslator qt;
    QTranslator program;
    QTranslator standard;
    bool loaded;
};

/// The text a test expects: the Russian one when the catalogues should be in use.
QString expected(bool russian, const char *english, const char *russianText)
{
    return russian ? QString::fromUtf8(russianText) : QString::fromUtf8(english);
}

// Compares with the English or the Russian text, as the local `russian` says.
#define COMPARE_TEXT(actual, english, russianText)                                                 \
    QCOMPARE(actual, expected(russian, english, russianText))

const char *const childExpectation = "VORLIX_TEST_EXPECT_RUSSIAN";

// A system locale of Russian without a country is taken as Russian of Russia: that row only
// where a locale is named directly.
void addLocaleRows(bool asSystemLocale = false)
{
    QTest::addColumn<QString>("localeName");
    QTest::addColumn<bool>("russian");
    QTest::newRow("Russian of Russia") << "ru_RU" << true;
    QTest::newRow("Russian of Ukraine") << "ru_UA" << false;
    if (!asSystemLocale)
        QTest::newRow("Russian without country") << "ru" << false;
    QTest::newRow("US English") << "en_US" << false;
    QTest::newRow("C locale") << "C" << false;
}

/// The window's menus, check boxes and Start/Stop/Resume button in the expected language.
void checkWindowTexts(MainWindow &window, bool russian)
{
    Ui_MainWindowClass &ui = *window.ui;
    COMPARE_TEXT(ui.menu_File->title(), "&File", "&Файл");
    COMPARE_TEXT(ui.menuSettings->title(), "Settings", "Настройки");
    COMPARE_TEXT(ui.menuHelp->title(), "Help", "Справка");
    COMPARE_TEXT(ui.menuPhysics->title(), "Physics", "Физика");
    COMPARE_TEXT(window.findChild<QDockWidget *>("physicsDock")->windowTitle(), "Physics readout",
        "Физические величины");
    COMPARE_TEXT(ui.actionRestart_from_the_panel->text(), "Restart from the panel",
        "Начать заново с параметров панели");
    COMPARE_TEXT(ui.action_Info->text(), "&Info", "&Инфо");
    COMPARE_TEXT(ui.actionE_xit->text(), "E&xit", "&Выход");
    COMPARE_TEXT(ui.actionLoad_texture->text(), "Load texture... ", "Загрузить текстуру...");
    COMPARE_TEXT(ui.actionLine_width->text(), "Line width...", "Ширина линий...");
    COMPARE_TEXT(ui.Ell->text(), "Poinsot's ellipsoid", "Эллипсоид инерции");
    COMPARE_TEXT(ui.Draw->text(), "Draw lines", "Рисуй линии");
    QVERIFY(ui.label_2->text().contains(
        expected(russian, "Angular velocity, rad/s", "Угловая скорость, рад/с")));
    QVERIFY(ui.label_11->text().contains(expected(russian, "Iterations/frame", "Итерации/кадр")));
    COMPARE_TEXT(ui.pushButton->text(), "Start", "Старт");
}

} // namespace

class TestTranslations : public QObject {
    Q_OBJECT

private slots:
    void catalogueChoice_data() { addLocaleRows(); }
    void catalogueChoice()
    {
        QFETCH(QString, localeName);
        QFETCH(bool, russian);
        InstalledCatalogues catalogues(localeName);
        QCOMPARE(catalogues.loaded, russian);

        const auto tr = [](const char *context, const char *text, const char *comment = nullptr) {
            return QCoreApplication::translate(context, text, comment);
        };
        COMPARE_TEXT(tr("GLWidget", "Can't open "), "Can't open ", "Не могу открыть ");
        COMPARE_TEXT(tr("MainWindow", "Can't write to "), "Can't write to ", "Не могу писать в ");
        // One English word, three Russian endings chosen by the kind of file.
        COMPARE_TEXT(tr("MainWindow", " loaded", "object"), " loaded", " загружен");
        COMPARE_TEXT(tr("MainWindow", " loaded", "settings"), " loaded", " загружены");
        COMPARE_TEXT(tr("MainWindow", " loaded", "texture"), " loaded", " загружена");
        COMPARE_TEXT(tr("about", "version: "), "version: ", "версия: ");
        COMPARE_TEXT(tr("QColorDialog", "Select Color"), "Select Color", "Выбор цвета");
        COMPARE_TEXT(tr("QColorDialog", "A&lpha channel:"), "A&lpha channel:", "&Альфа-канал:");
        COMPARE_TEXT(tr("QPlatformTheme", "Cancel"), "Cancel", "Отмена");
        COMPARE_TEXT(tr("QFileDialog", "Look in:"), "Look in:", "Перейти к:");
        COMPARE_TEXT(tr("QPlatformTheme", "OK"), "OK", "ОК"); // Qt's own: Latin "OK"
    }
    // The window's texts, a warning with its standard button, then the run button's states.
    void windowWarningAndButtonTexts_data() { addLocaleRows(); }
    void windowWarningAndButtonTexts()
    {
        QFETCH(QString, localeName);
        QFETCH(bool, russian);
        InstalledCatalogues catalogues(localeName);
        ShownWindow w(QSize(), ShownWindow::offScreen);
        checkWindowTexts(w.window, russian);
        w.ui().Draw->setChecked(false);

        MessageBoxAnswer seen;
        QString okText;
        const DialogScript script({ [&seen, &okText](QWidget *modal) {
            auto *box = qobject_cast<QMessageBox *>(modal);
            if (QAbstractButton *ok = box ? box->button(QMessageBox::Ok) : nullptr)
                okText = ok->text();
            return pressOnMessage(&seen)(modal);
        } });
        w.ui().actionExport_lines_as_OBJ->trigger();

        QVERIFY(seen.shown);
        COMPARE_TEXT(seen.title, "Warning", "Внимание");
        COMPARE_TEXT(seen.text, "Nothing to export", "Нечего экспортировать");
        COMPARE_TEXT(okText, "OK", "ОК");

        QPushButton *button = w.ui().pushButton;
        button->click();
        COMPARE_TEXT(button->text(), "Stop", "Стоп");
        w.view()->pauseState = 1;
        QVERIFY(QMetaObject::invokeMethod(&w.window, "statusbarFPSupdate"));
        COMPARE_TEXT(button->text(), "Resume", "Возврат");
        button->click();
        COMPARE_TEXT(button->text(), "Stop", "Стоп");
        button->click();
        COMPARE_TEXT(button->text(), "Start", "Старт");
    }
    void aboutDialog_data() { addLocaleRows(); }
    void aboutDialog()
    {
        QFETCH(QString, localeName);
        QFETCH(bool, russian);
        InstalledCatalogues catalogues(localeName);
        about dialog;

        // The number is the same in every language.
        COMPARE_TEXT(dialog.windowTitle(), "version: 66.4", "версия: 66.4");
        const QString text = dialog.aboutUi->label->text();
        QVERIFY(text.contains(expected(russian, "Euler's equations", "уравнений Эйлера")));
        QVERIFY(text.contains(expected(russian, "Spacebar", "Пробел")));
        QVERIFY(text.contains(
            expected(russian, "https://en.wikipedia.org/", "https://ru.wikipedia.org/")));
        // Translated as a whole document: the markup and the picture stay.
        QVERIFY(text.contains("<img src=\":/images/formula.png\" />"));
        QCOMPARE(text.count("<p "), 6);
    }
    void languageChangeRetranslatesWindow()
    {
        ShownWindow w(QSize(), ShownWindow::offScreen);
        checkWindowTexts(w.window, false);
        {
            InstalledCatalogues catalogues("ru_RU");
            QCoreApplication::processEvents();
            checkWindowTexts(w.window, true);
        }
        QCoreApplication::processEvents();
        checkWindowTexts(w.window, false);
    }
    void systemLocaleChoosesLanguage_data() { addLocaleRows(true); }
    // The program takes its language from the system locale, which Qt reads from the
    // environment when it starts: so this runs textsUnderSystemLocale in a child process.
    void systemLocaleChoosesLanguage()
    {
        QFETCH(QString, localeName);
        QFETCH(bool, russian);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char *name : { "LC_ALL", "LC_NUMERIC", "LC_MESSAGES", "LANGUAGE" })
            environment.remove(name);
        environment.insert("LANG", localeName + ".UTF-8");
        environment.insert(childExpectation, russian ? "1" : "0");

        QProcess child;
        child.setProcessEnvironment(environment);
        child.setProcessChannelMode(QProcess::MergedChannels);
        child.start(QCoreApplication::applicationFilePath(), { "textsUnderSystemLocale" });
        QVERIFY(child.waitForFinished(60000));
        const QByteArray output = child.readAll();
        QVERIFY2(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0,
            output.constData());
        QVERIFY2(output.contains("PASS   : TestTranslations::textsUnderSystemLocale()"),
            output.constData());
    }
    void textsUnderSystemLocale()
    {
        if (!qEnvironmentVariableIsSet(childExpectation))
            QSKIP("runs in the child processes of systemLocaleChoosesLanguage");
        const bool russian = qEnvironmentVariableIntValue(childExpectation) == 1;

        InstalledCatalogues catalogues(QLocale::system().name());
        QCOMPARE(catalogues.loaded, russian);
        ShownWindow w(QSize(), ShownWindow::offScreen);
        checkWindowTexts(w.window, russian);
        about dialog;
        COMPARE_TEXT(dialog.windowTitle(), "version: 66.4", "версия: 66.4");
    }
};

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
