// SPDX-License-Identifier: GPL-3.0-or-later
#include "presetfile.h"

#include <QLockFile>
#include <QTextStream>
#include <QtTest>

using namespace vorlix;

Q_DECLARE_METATYPE(PresetFileStatus)

namespace {

// From "COLOUR WIDTH NAME…"; a name marked "*" has Ix 7 (the one saved), the others Ix 1.
SettingsFile store(const QString &text)
{
    const QStringList words = text.split(' ', Qt::SkipEmptyParts);
    SettingsFile settings;
    settings.colourText = words.value(0);
    settings.lineWidth = words.value(1).toFloat();
    for (QString name : words.mid(2)) {
        Preset preset;
        preset.inertiaX = name.endsWith('*') ? 7 : 1;
        preset.name = name.remove('*');
        settings.presets.append(preset);
    }
    return settings;
}

QByteArray bytes(const SettingsFile &settings)
{
    QByteArray text;
    QTextStream out(&text, QIODevice::WriteOnly);
    writeSettings(out, settings);
    out.flush();
    return text;
}

QByteArray contents(const QString &fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// This test run again as another process: "holder FILE" holds the file's lock, "writer FILE
// MINE OTHER" saves MINE0 … MINE49, each once the other writer's previous one is saved.
int actAsChild(const QStringList &arguments)
{
    const QString &fileName = arguments[2];
    QLockFile lock(fileName + ".lock");
    if (arguments[1] == "holder" && lock.lock()) {
        QTextStream(stdout) << "locked" << Qt::endl;
        QThread::sleep(60);
    }
    for (int k = 0; k < 50 && arguments[1] == "writer"; ++k) {
        const QByteArray previous = ('[' + arguments[4] + QString::number(k - 1) + ']').toUtf8();
        for (QDeadlineTimer patience(5000); k > 0 && !contents(fileName).contains(previous);
             QThread::msleep(1))
            if (patience.hasExpired())
                return 1;
        savePreset(fileName, store("- 1 " + arguments[3] + QString::number(k)).presets[0], {});
    }
    return 0;
}

} // namespace

class TestPresetFile : public QObject {
    Q_OBJECT

private slots:
    void oneChange_data()
    {
        QTest::addColumn<QString>("files"); // "BEFORE | CHANGE | AFTER", BEFORE empty: no file yet
        QTest::addColumn<PresetFileStatus>("status");

        using S = PresetFileStatus;
        QTest::newRow("save appends")
            << "ff0000 2 a b c | save d | ff0000 2 a b c d*" << S::Written;
        QTest::newRow("save replaces in place")
            << "ff0000 2 a b c | save b | ff0000 2 a b* c" << S::Written;
        QTest::newRow("save replaces the last of a name")
            << "ff0000 2 a b a | save a | ff0000 2 a b a*" << S::Written;
        QTest::newRow("delete") << "ff0000 2 a b c | delete b | ff0000 2 a c" << S::Written;
        QTest::newRow("delete a missing name")
            << "ff0000 2 a | delete d | ff0000 2 a" << S::Unchanged;
        QTest::newRow("no file: the window's store") << " | save d | 000000 5 w d*" << S::Written;
        QTest::newRow("display") << "ff0000 2 a | display | 123456 3 a" << S::Written;
        const QString full = "ff0000 2" + QString(" p").repeated(presetCapacity);
        QTest::newRow("no room") << full + " | save d | " + full << S::NoRoom;
    }
    void oneChange()
    {
        QFETCH(QString, files);
        QFETCH(PresetFileStatus, status);
        const QString before = files.section(" | ", 0, 0), change = files.section(" | ", 1, 1);
        const QString after = files.section(" | ", 2, 2);

        // The file in a folder of its own, which a change makes when it is missing.
        QTemporaryDir dir;
        const QString fileName = dir.filePath("vorlix/user.ini");
        if (!before.isEmpty()) {
            QDir(dir.path()).mkdir("vorlix");
            QFile file(fileName);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes(store(before))));
        }
        const SettingsFile window = store("000000 5 w");
        const QString name = change.section(' ', 1);
        const PresetFileResult result = change == "display"
            ? setDisplay(fileName, "123456", 3, window)
            : change.startsWith("save")
            ? savePreset(fileName, store("- 1 " + name + '*').presets[0], window)
            : deletePreset(fileName, name, window);

        // Byte for byte what a plain write of the resulting store gives.
        QCOMPARE(result.status, status);
        QCOMPARE(contents(fileName), bytes(store(after)));
        QCOMPARE(bytes(result.settings), bytes(store(after)));
    }
    void onlyALiveLockBlocks()
    {
        QTemporaryDir dir;
        const QString fileName = dir.filePath("user.ini");
        QProcess holder;
        holder.start(QCoreApplication::applicationFilePath(), { "holder", fileName });
        QVERIFY(holder.waitForReadyRead(10000));
        QCOMPARE(deletePreset(fileName, "a", {}, 100).status, PresetFileStatus::Locked);
        holder.kill();
        QVERIFY(holder.waitForFinished() && QFile::exists(fileName + ".lock"));
        QCOMPARE(deletePreset(fileName, "a", {}, 100).status, PresetFileStatus::Unchanged);
    }
    void twoWritersLoseNothing()
    {
        QTemporaryDir dir;
        const QString fileName = dir.filePath("user.ini");
        QProcess a, b;
        a.start(QCoreApplication::applicationFilePath(), { "writer", fileName, "a", "b" });
        b.start(QCoreApplication::applicationFilePath(), { "writer", fileName, "b", "a" });
        QVERIFY(a.waitForFinished(15000) && b.waitForFinished(15000));
        QTextStream in(contents(fileName));
        QCOMPARE(readSettings(in).presets.size(), 100);
    }
};

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() > 2 && (arguments[1] == "writer" || arguments[1] == "holder"))
        return actAsChild(arguments);
    TestPresetFile test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_presetfile.moc"
