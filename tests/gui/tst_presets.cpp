// SPDX-License-Identifier: GPL-3.0-or-later
#include "glwidget.h"
#include "mainwindow.h"
#include "settingsfile.h"
#include "testsupport.h"

#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QtTest>
#include <memory>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

QComboBox *box(const MainWindow &w)
{
    return w.findChild<QComboBox *>("Settings");
}

QDoubleSpinBox *spin(const MainWindow &w, const char *name)
{
    return w.findChild<QDoubleSpinBox *>(name);
}

QPushButton *button(const MainWindow &w, const char *name)
{
    return w.findChild<QPushButton *>(name);
}

QAction *action(const MainWindow &w, const char *name)
{
    return w.findChild<QAction *>(name);
}

// Every parameter distinct per index, within the spin boxes' ranges and decimals, so the
// panel shows which preset was loaded.
vorlix::Preset numbered(const QString &name, int i)
{
    vorlix::Preset p;
    p.name = name;
    p.inertiaX = i + 1;
    p.inertiaY = i + 2;
    p.inertiaZ = i + 3;
    p.omegaX = 0.25 * (i + 1);
    p.omegaY = -0.5 * (i + 1);
    p.omegaZ = 0.125 * i;
    p.speed = 1 + i;
    p.iterPerFrame = 10 + i;
    return p;
}

vorlix::SettingsFile store(
    const QStringList &names, const QString &colour = "336699", float lineWidth = 3)
{
    vorlix::SettingsFile settings;
    settings.colourText = colour;
    settings.colourSeen = true;
    settings.lineWidth = lineWidth;
    settings.lineWidthSeen = true;
    for (int i = 0; i < names.size(); ++i)
        settings.presets.append(numbered(names[i], i));
    return settings;
}

QStringList namesOf(const vorlix::SettingsFile &settings)
{
    QStringList names;
    for (const vorlix::Preset &p : settings.presets)
        names << p.name;
    return names;
}

void writeFile(const QString &fileName, const vorlix::SettingsFile &settings)
{
    QDir().mkpath(QFileInfo(fileName).absolutePath());
    QFile file(fileName);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QTextStream out(&file);
    vorlix::writeSettings(out, settings);
}

vorlix::SettingsFile readFile(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QTextStream in(&file);
    return vorlix::readSettings(in);
}

QStringList items(const QComboBox *box)
{
    QStringList names;
    for (int i = 0; i < box->count(); ++i)
        names << box->itemText(i);
    return names;
}

void setPanel(MainWindow &w, const vorlix::Preset &p)
{
    spin(w, "Ix")->setValue(p.inertiaX);
    spin(w, "Iy")->setValue(p.inertiaY);
    spin(w, "Iz")->setValue(p.inertiaZ);
    spin(w, "WX")->setValue(p.omegaX);
    spin(w, "WY")->setValue(p.omegaY);
    spin(w, "WZ")->setValue(p.omegaZ);
    spin(w, "speed")->setValue(p.speed);
    spin(w, "iterPerFrame")->setValue(p.iterPerFrame);
}

void comparePanel(const MainWindow &w, const vorlix::Preset &p)
{
    QCOMPARE(spin(w, "Ix")->value(), p.inertiaX);
    QCOMPARE(spin(w, "Iy")->value(), p.inertiaY);
    QCOMPARE(spin(w, "Iz")->value(), p.inertiaZ);
    QCOMPARE(spin(w, "WX")->value(), p.omegaX);
    QCOMPARE(spin(w, "WY")->value(), p.omegaY);
    QCOMPARE(spin(w, "WZ")->value(), p.omegaZ);
    QCOMPARE(spin(w, "speed")->value(), p.speed);
    QCOMPARE(spin(w, "iterPerFrame")->value(), double(p.iterPerFrame));
}

void compareStored(const MainWindow &w, int i, const vorlix::Preset &p)
{
    QCOMPARE(w.presetNames.at(i), p.name);
    QCOMPARE(w.presetIx[i], p.inertiaX);
    QCOMPARE(w.presetIy[i], p.inertiaY);
    QCOMPARE(w.presetIz[i], p.inertiaZ);
    QCOMPARE(w.presetWx[i], p.omegaX);
    QCOMPARE(w.presetWy[i], p.omegaY);
    QCOMPARE(w.presetWz[i], p.omegaZ);
    QCOMPARE(w.presetSpeed[i], p.speed);
    QCOMPARE(w.presetIterPerFrame[i], p.iterPerFrame);
}

// The store and the combo box list the same names, and the user file holds exactly the
// store's named presets.
void compareStoreWithComboAndFile(const MainWindow &w, const QString &userFile)
{
    QCOMPARE(w.lastPreset + 1, w.presetNames.size());
    QCOMPARE(items(box(w)), w.presetNames);
    const vorlix::SettingsFile saved = readFile(userFile);
    QStringList named = w.presetNames;
    named.removeAll(QString());
    QCOMPARE(namesOf(saved), named);
    int s = 0;
    for (int i = 0; i <= w.lastPreset; ++i) {
        if (!w.presetNames[i].isEmpty())
            compareStored(w, i, saved.presets[s++]);
    }
}

void pressEnterOn(MainWindow &w, const QString &typed)
{
    box(w)->setEditText(typed);
    QTest::keyClick(box(w)->lineEdit(), Qt::Key_Return);
}

// Types `name` in the box, then "enter" presses Enter, "save" the "+" button, "delete" the
// "-" button.
void changeStore(MainWindow &w, const QString &operation, const QString &name)
{
    if (operation == "enter")
        return pressEnterOn(w, name);
    box(w)->setEditText(name);
    button(w, operation == "save" ? "save" : "delete_2")->click();
}

/// A socket node: it exists and a file dialog accepts it, but opening it fails even for
/// root, whom file permissions do not stop.
class UnreadableFile {
public:
    explicit UnreadableFile(const QString &fileName)
    {
        fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address {};
        address.sun_family = AF_UNIX;
        const QByteArray path = QFile::encodeName(fileName);
        qstrncpy(address.sun_path, path.constData(), sizeof(address.sun_path));
        bound = ::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof(address)) == 0;
    }
    ~UnreadableFile() { ::close(fd); }
    bool bound = false;

private:
    int fd = -1;
};

// Run again as another window: "+name" is stored with "+", "-name" deleted, each answered
// with a dot; at the end of the input the window's list follows, joined by "|".
int actAsOtherWindow()
{
    MainWindow w;
    QTextStream in(stdin), out(stdout);
    for (QString line; in.readLineInto(&line); out << '.' << Qt::flush) {
        changeStore(w, line.startsWith('+') ? "save" : "delete", line.mid(1));
    }
    out << w.presetNames.join('|') << Qt::endl;
    return 0;
}

} // namespace

class TestPresets : public QObject {
    Q_OBJECT

private slots:
    void startUp_data()
    {
        QTest::addColumn<bool>("userFile");
        QTest::newRow("no user file: default.ini") << false;
        QTest::newRow("user file: default.ini ignored") << true;
    }
    void startUp()
    {
        QFETCH(bool, userFile);
        TemporaryHome home;
        if (userFile)
            writeFile(home.userSettingsFile(), store({ "mine", "also mine" }, "abcdef", 4));
        const QByteArray userFileBefore = fileContents(home.userSettingsFile());

        MainWindow w;
        const QString source = userFile ? home.userSettingsFile() : QString("default.ini");
        QCOMPARE(w.settingsFileName, source);
        const vorlix::SettingsFile expected = readFile(source);
        QVERIFY(!expected.presets.isEmpty());
        QCOMPARE(w.presetNames, namesOf(expected));
        QCOMPARE(items(box(w)), namesOf(expected));
        QCOMPARE(box(w)->currentIndex(), 0);
        comparePanel(w, expected.presets.first());
        QCOMPARE(w.glWidget->backgroundColor, QColor("#" + expected.colourText));
        QCOMPARE(w.glWidget->lineWidth, expected.lineWidth);
        // Starting writes nothing.
        QCOMPARE(fileContents(home.userSettingsFile()), userFileBefore);
    }
    void choosingLoadsWithoutSaving()
    {
        TemporaryHome home;
        const vorlix::SettingsFile settings = store({ "a", "b", "c" });
        writeFile(home.userSettingsFile(), settings);
        const QByteArray before = fileContents(home.userSettingsFile());
        MainWindow w;

        box(w)->setCurrentIndex(2);
        comparePanel(w, settings.presets[2]);
        box(w)->setCurrentIndex(1);
        comparePanel(w, settings.presets[1]);
        QCOMPARE(fileContents(home.userSettingsFile()), before);
    }
    void enterOnTypedName()
    {
        TemporaryHome home;
        MainWindow w;
        const int before = box(w)->count();
        const vorlix::Preset typed = numbered("typed", 7);
        setPanel(w, typed);

        pressEnterOn(w, "typed");

        QCOMPARE(box(w)->count(), before + 1);
        QCOMPARE(box(w)->currentIndex(), before);
        QCOMPARE(w.lastPreset, before);
        compareStored(w, before, typed);
        QCOMPARE(w.settingsFileName, home.userSettingsFile());
        compareStoreWithComboAndFile(w, home.userSettingsFile());
    }
    void saveButton_data()
    {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("expectedNames");
        QTest::addColumn<int>("changedIndex");

        const QStringList abac { "A", "B", "A", "C" };
        QTest::newRow("new name appended")
            << abac << "D" << QStringList { "A", "B", "A", "C", "D" } << 4;
        QTest::newRow("existing name overwritten in place") << abac << "B" << abac << 1;
        QTest::newRow("duplicate name: the later one") << abac << "A" << abac << 2;
        QTest::newRow("empty text makes an unnamed preset")
            << abac << "" << QStringList { "A", "B", "A", "C", "" } << 4;
    }
    void saveButton()
    {
        QFETCH(QStringList, names);
        QFETCH(QString, text);
        QFETCH(QStringList, expectedNames);
        QFETCH(int, changedIndex);

        TemporaryHome home;
        const vorlix::SettingsFile original = store(names);
        writeFile(home.userSettingsFile(), original);
        MainWindow w;
        const vorlix::Preset panel = numbered(text, 40);
        setPanel(w, panel);

        box(w)->setEditText(text);
        button(w, "save")->click();

        QCOMPARE(w.presetNames, expectedNames);
        QCOMPARE(box(w)->currentIndex(), 0);
        for (int i = 0; i <= w.lastPreset; ++i)
            compareStored(w, i, i == changedIndex ? panel : original.presets[i]);
        compareStoreWithComboAndFile(w, home.userSettingsFile());
    }
    void deleteButton_data()
    {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<int>("current");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("expectedNames");
        QTest::addColumn<int>("expectedCurrent");
        QTest::addColumn<int>("expectedPanel"); // index into the original presets

        const QStringList five { "A", "B", "C", "D", "E" };
        QTest::newRow("at index 3: index 2 current")
            << five << 3 << "D" << QStringList { "A", "B", "C", "E" } << 2 << 2;
        QTest::newRow("at index 0: the new first current")
            << five << 0 << "A" << QStringList { "B", "C", "D", "E" } << 0 << 1;
        QTest::newRow("last item")
            << five << 4 << "E" << QStringList { "A", "B", "C", "D" } << 3 << 3;
        QTest::newRow("duplicate name: the later one")
            << QStringList { "A", "B", "A" } << 0 << "A" << QStringList { "A", "B" } << 0 << 0;
        QTest::newRow("text that names no preset") << five << 1 << "nobody" << five << 1 << -1;
    }
    void deleteButton()
    {
        QFETCH(QStringList, names);
        QFETCH(int, current);
        QFETCH(QString, text);
        QFETCH(QStringList, expectedNames);
        QFETCH(int, expectedCurrent);
        QFETCH(int, expectedPanel);

        TemporaryHome home;
        const vorlix::SettingsFile original = store(names);
        writeFile(home.userSettingsFile(), original);
        const QByteArray fileBefore = fileContents(home.userSettingsFile());
        MainWindow w;
        box(w)->setCurrentIndex(current);
        box(w)->setEditText(text);
        const vorlix::Preset panelBefore = numbered("", 33);
        setPanel(w, panelBefore);

        button(w, "delete_2")->click();

        QCOMPARE(w.presetNames, expectedNames);
        QCOMPARE(box(w)->currentIndex(), expectedCurrent);
        if (expectedPanel >= 0) {
            comparePanel(w, original.presets[expectedPanel]);
            compareStoreWithComboAndFile(w, home.userSettingsFile());
        } else {
            comparePanel(w, panelBefore);
            QCOMPARE(fileContents(home.userSettingsFile()), fileBefore);
        }
    }
    void deletingTheOnlyPreset()
    {
        TemporaryHome home;
        writeFile(home.userSettingsFile(), store({ "only" }, "00ff00", 2));
        MainWindow w;

        button(w, "delete_2")->click();

        QCOMPARE(box(w)->count(), 0);
        QCOMPARE(w.lastPreset, -1);
        QVERIFY(w.presetNames.isEmpty());
        QCOMPARE(
            fileContents(home.userSettingsFile()), QByteArray("Color=00ff00\nLineWidth=2\n\n"));
        // An emptied box is no reason to touch the panel.
        comparePanel(w, numbered("only", 0));

        // "+" still works from there.
        box(w)->setEditText("again");
        button(w, "save")->click();
        QCOMPARE(w.presetNames, QStringList { "again" });
        compareStoreWithComboAndFile(w, home.userSettingsFile());
    }
    void loadSettingsFile()
    {
        TemporaryHome home;
        writeFile(home.userSettingsFile(), store({ "old 1", "old 2", "old 3" }));
        const QString imported = home.path() + "/imported.ini";
        const vorlix::SettingsFile file = store({ "first", "second" }, "00ff00", 5);
        writeFile(imported, file);
        MainWindow w;

        FileDialogSeen dialog;
        const DialogScript script({ chooseFile(imported, &dialog) });
        action(w, "actionLoad_settings_file")->trigger();

        QVERIFY(dialog.shown);
        QCOMPARE(dialog.acceptMode, QFileDialog::AcceptOpen);

        QCOMPARE(w.presetNames, namesOf(file));
        QCOMPARE(box(w)->currentIndex(), 0);
        comparePanel(w, file.presets[0]);
        QCOMPARE(w.glWidget->backgroundColor, QColor(0, 255, 0));
        QCOMPARE(w.glWidget->lineWidth, 5.0f);
        QCOMPARE(w.lineWidth, 5.0f);
        QCOMPARE(w.messageLabel->text(),
            "<small>Settings " + imported + " loaded; the previous presets are kept in "
                + home.userSettingsFile() + ".bak</small>");
        compareStoreWithComboAndFile(w, home.userSettingsFile());
        const vorlix::SettingsFile saved = readFile(home.userSettingsFile());
        QCOMPARE(saved.colourText, QString("00ff00"));
        QCOMPARE(saved.lineWidth, 5.0f);
    }
    void cancelledLoadChangesNothing()
    {
        TemporaryHome home;
        MainWindow w;
        const QStringList names = w.presetNames;
        const QString message = w.messageLabel->text();

        FileDialogSeen dialog;
        const DialogScript script({ cancelFile(&dialog) });
        action(w, "actionLoad_settings_file")->trigger();

        QVERIFY(dialog.shown);

        QCOMPARE(w.presetNames, names);
        QCOMPARE(items(box(w)), names);
        QCOMPARE(w.messageLabel->text(), message);
        QCOMPARE(w.settingsFileName, QString("default.ini"));
        QVERIFY(!QFile::exists(home.userSettingsFile()));
    }
    void unreadableFileKeepsStoreAndUserFile()
    {
        TemporaryHome home;
        const vorlix::SettingsFile user = store({ "keep me", "and me" });
        writeFile(home.userSettingsFile(), user);
        const QByteArray before = fileContents(home.userSettingsFile());
        const QString chosen = home.path() + "/unreadable.ini";
        UnreadableFile unreadable(chosen);
        QVERIFY(unreadable.bound);
        MainWindow w;
        box(w)->setCurrentIndex(1);

        MessageBoxAnswer warning;
        const DialogScript script({ chooseFile(chosen), pressOnMessage(&warning) });
        action(w, "actionLoad_settings_file")->trigger();

        QVERIFY(warning.shown);
        QCOMPARE(warning.title, QString("Warning"));
        QCOMPARE(warning.text, "Can't open " + chosen);
        QCOMPARE(w.presetNames, namesOf(user));
        QCOMPARE(items(box(w)), namesOf(user));
        QCOMPARE(box(w)->currentIndex(), 1);
        QCOMPARE(w.messageLabel->text(), QString());
        QCOMPARE(fileContents(home.userSettingsFile()), before);
    }
    void unwritableSettingsDirectory_data()
    {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<QStringList>("expectedNames");

        // The store starts from the shipped default.ini; a new name is appended to its names.
        QTest::newRow("Enter on a new name") << "enter" << QStringList { "new" };
        QTest::newRow("+ with a new name") << "save" << QStringList { "new" };
        QTest::newRow("delete: the preset stays") << "delete" << QStringList {};
    }
    void unwritableSettingsDirectory()
    {
        QFETCH(QString, operation);
        QFETCH(QStringList, expectedNames);

        TemporaryHome home;
        // A plain file where the settings directory belongs: neither mkpath nor any write
        // inside it can succeed, whoever runs the test.
        {
            QFile blocker(home.path() + "/.vorlix");
            QVERIFY(blocker.open(QIODevice::WriteOnly));
        }
        MainWindow w;
        const QStringList namesBefore = w.presetNames;
        QVERIFY(!namesBefore.isEmpty());

        MessageBoxAnswer warning;
        const DialogScript script({ pressOnMessage(&warning) });
        changeStore(w, operation, operation == "delete" ? box(w)->currentText() : "new");

        QVERIFY(warning.shown);
        QCOMPARE(warning.title, QString("Warning"));
        QCOMPARE(warning.text, "Can't write settings to " + home.userSettingsFile());
        QCOMPARE(w.settingsFileName, home.userSettingsFile());
        QCOMPARE(w.presetNames, namesBefore + expectedNames);
        QCOMPARE(items(box(w)), w.presetNames);
        QVERIFY(QFileInfo(home.path() + "/.vorlix").isFile());
    }
    void failedSaveKeepsPreviousFile()
    {
        TemporaryHome home;
        writeFile(home.userSettingsFile(), store({ "A", "B" }));
        const QByteArray before = fileContents(home.userSettingsFile());
        MainWindow w;
        const QStringList names = w.presetNames;

        MessageBoxAnswer warning;
        const DialogScript script({ pressOnMessage(&warning) });
        {
            // Room for less than the file already holds: the save breaks off half-way.
            const FileSizeLimit limit(before.size() / 2);
            box(w)->setEditText("C");
            button(w, "save")->click();
        }

        QVERIFY(warning.shown);
        QCOMPARE(warning.text, "Can't write settings to " + home.userSettingsFile());
        QCOMPARE(fileContents(home.userSettingsFile()), before);
        QCOMPARE(w.presetNames, names + QStringList { "C" });
        QCOMPARE(QDir(home.path() + "/.vorlix").entryList(QDir::Files | QDir::Hidden),
            QStringList { "user.ini" });

        // The next save that can write puts the kept preset on disk.
        button(w, "save")->click();
        compareStoreWithComboAndFile(w, home.userSettingsFile());
    }
    void storeHoldsAtMost500_data()
    {
        QTest::addColumn<int>("presetsInFile");
        QTest::addColumn<QString>("operation");
        QTest::addColumn<QString>("expectedWarning"); // %1: the user file

        QTest::newRow("501 in the file: the first 500 kept")
            << 501 << "start"
            << "Only the first 500 presets are kept from %1";
        QTest::newRow("+ with a new name after 500") << 500 << "save"
                                                     << "No room for more than 500 presets";
        QTest::newRow("Enter on a new name after 500") << 500 << "enter"
                                                       << "No room for more than 500 presets";
    }
    void storeHoldsAtMost500()
    {
        QFETCH(int, presetsInFile);
        QFETCH(QString, operation);
        QFETCH(QString, expectedWarning);

        TemporaryHome home;
        QStringList names;
        for (int i = 0; i < presetsInFile; ++i)
            names << QString("preset %1").arg(i);
        writeFile(home.userSettingsFile(), store(names));
        const QByteArray before = fileContents(home.userSettingsFile());

        MessageBoxAnswer warning;
        const DialogScript script({ pressOnMessage(&warning) });
        const auto w = std::make_unique<MainWindow>();
        if (operation != "start") {
            const vorlix::Preset panel = numbered("", 2);
            setPanel(*w, panel);
            changeStore(*w, operation, "one too many");
            comparePanel(*w, panel);
        }

        QVERIFY(warning.shown);
        QCOMPARE(warning.text, QString(expectedWarning).replace("%1", home.userSettingsFile()));
        QCOMPARE(w->lastPreset, 499);
        QCOMPARE(w->presetNames, names.mid(0, 500));
        QCOMPARE(items(box(*w)), w->presetNames);
        QCOMPARE(fileContents(home.userSettingsFile()), before);
    }
    void presetsBringTheirBody()
    {
        TemporaryHome home;
        const QString plate = home.filePath("plate copy.obj"),
                      tee = QFileInfo("tee.obj").absoluteFilePath();
        QVERIFY(QFile::copy("plate.obj", plate));
        const QString longName = QString("A name far longer than the box is wide, ").repeated(3);
        vorlix::SettingsFile settings
            = store({ longName, "plain", "tee", "again", "path", "none" });
        const QStringList bodies { "tee.obj", "", "tee.obj", "tee.obj", plate, "none.obj" };
        for (int i = 0; i < bodies.size(); ++i)
            settings.presets[i].bodyFile = bodies[i];
        writeFile(home.userSettingsFile(), settings);
        MainWindow w;
        QCOMPARE(box(w)->lineEdit()->cursorPosition(), 0);
        QCOMPARE(box(w)->toolTip(), longName);
        QVERIFY(box(w)->view()->minimumWidth() > box(w)->fontMetrics().horizontalAdvance(longName));
        button(w, "save")->click();
        QCOMPARE(namesOf(readFile(home.userSettingsFile())), namesOf(settings));
        QCOMPARE(w.bodyFileName, QByteArray("cylinder.obj"));
        MessageBoxAnswer warning;
        const DialogScript script({ pressOnMessage(&warning) });
        const std::tuple<int, QString, bool> steps[] = { { 1, "cylinder.obj", false },
            { 2, tee, true }, { 3, tee, false }, { 5, tee, false }, { 4, plate, true } };
        for (const auto &[chosen, body, newView] : steps) {
            const QPointer<GLWidget> view = w.glWidget;
            box(w)->setCurrentIndex(chosen);
            comparePanel(w, settings.presets[chosen]);
            QCOMPARE(QString(w.bodyFileName), body);
            QCOMPARE(view.isNull(), newView);
        }
        QCOMPARE(warning.text, "Can't open " + QFileInfo("none.obj").absoluteFilePath());
        button(w, "delete_2")->click(); // selects "again" without its body
        QCOMPARE(box(w)->currentText() + w.bodyFileName, "again" + plate);
    }
    void twoProcessesLoseNothing()
    {
        TemporaryHome home;
        writeFile(home.userSettingsFile(), store({}));
        MainWindow w;
        QProcess other;
        other.start(QCoreApplication::applicationFilePath(), { "other-window" });
        const auto tell = [&other](const QString &command) {
            other.write(command.toUtf8() + '\n');
            QVERIFY(other.waitForReadyRead(10000) && other.read(1) == ".");
        };
        QStringList names;
        for (int i = 0; i < 50; ++i) {
            names << QString("a %1").arg(i) << QString("b %1").arg(i);
            box(w)->setEditText(names[2 * i]);
            button(w, "save")->click();
            tell("+" + names.last());
        }
        // The other window deletes the preset shown here, past a lock whose process is gone.
        box(w)->setCurrentIndex(7);
        setPanel(w, numbered("", 20));
        QFile lock(home.userSettingsFile() + ".lock");
        QVERIFY(lock.open(QIODevice::WriteOnly)
            && lock.setFileTime(
                QDateTime::currentDateTime().addSecs(-60), QFileDevice::FileModificationTime));
        tell("-" + names.takeAt(7));
        other.closeWriteChannel();
        QVERIFY(other.waitForFinished(10000));
        QCOMPARE(QString(other.readAll()).trimmed().split('|'), names);
        QTRY_COMPARE(w.presetNames, names);
        QCOMPARE(namesOf(readFile(home.userSettingsFile())), names);
        comparePanel(w, numbered("", 20));
    }
    void importsCheckedAndUndone_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("message"); // %1: the file chosen, %2: the backup
        QTest::newRow("no presets") << QByteArray("Color=000000\n") << "No presets in %1";
        QTest::newRow("a header without ]")
            << QByteArray("[broken\nIx=abc\n") << "Not loaded: %1 is not a settings file";
        QTest::newRow("a moment of no number")
            << QByteArray("[a]\nIx=abc\n") << "Not loaded: %1 has a moment that is not positive";
        QTest::newRow("a settings file, then restored")
            << QByteArray("[new]\nIx=2\n")
            << "Replace the presets with those kept in %2? The present ones are kept there in "
               "their "
               "place.";
    }
    void importsCheckedAndUndone()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, message);
        TemporaryHome home;
        const QString user = home.userSettingsFile(), chosen = home.filePath("chosen.ini");
        writeFile(user, store({ "old 1", "old 2" }));
        const QByteArray old = fileContents(user);
        QFile file(chosen);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(content) && file.flush());
        MainWindow w;
        MessageBoxAnswer seen;
        const bool restoring = message.startsWith("Replace");
        const DialogScript script({ chooseFile(chosen),
            pressOnMessage(&seen, restoring ? QMessageBox::Yes : QMessageBox::Ok) });
        action(w, "actionLoad_settings_file")->trigger();
        const QByteArray imported = fileContents(user);
        if (restoring)
            action(w, "actionRestore_previous_presets")->trigger();
        QCOMPARE(seen.text, message.replace("%1", chosen).replace("%2", user + ".bak"));
        QCOMPARE(
            fileContents(user) + fileContents(user + ".bak"), old + (restoring ? imported : ""));
        compareStoreWithComboAndFile(w, user);
    }
};

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    if (application.arguments().value(1) == "other-window")
        return actAsOtherWindow();
    TestPresets test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "tst_presets.moc"
