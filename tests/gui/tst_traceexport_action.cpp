// SPDX-License-Identifier: GPL-3.0-or-later
#include "glwidget.h"
#include "mainwindow.h"
#include "testsupport.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QPushButton>
#include <QtTest>
#include <algorithm>
#include <memory>

namespace {

/// Stores `points` (x, y, z triples) as a trace the view has recorded.
void setRecorded(double *buffer, int &writeIndex, const QVector<double> &points)
{
    std::copy(points.cbegin(), points.cend(), buffer);
    writeIndex = 2 + points.size();
}

QVector<double> manyPoints(int count)
{
    QVector<double> points;
    for (int p = 0; p < count; ++p)
        points << 0.001 * p << -0.5 << 0.75;
    return points;
}

int vertexLines(const QByteArray &text)
{
    return text.count("\nv ");
}

} // namespace

class TestTraceExportAction : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        w = std::make_unique<ShownWindow>(QSize(), ShownWindow::offScreen);
        exportDir = std::make_unique<QTemporaryDir>();
        for (const char *name : { "Draw", "xb", "yb", "zb" })
            w->child<QAbstractButton>(name)->setChecked(true);
    }
    void cleanup()
    {
        w.reset();
        exportDir.reset();
    }

    void writesTheShownTraces()
    {
        GLWidget *view = w->view();
        setRecorded(view->xLines, view->xLinesIndex, { 1, 0, 0 });
        setRecorded(view->yLines, view->yLinesIndex, { 0, 1, 0, 0, 0.5, 0 });
        setRecorded(view->zLines, view->zLinesIndex, { 0, 0, -1 });
        const QString fileName = exportDir->path() + "/traces.obj";

        FileDialogSeen dialog;
        const DialogScript script({ chooseFile(fileName, &dialog) });
        triggerExport();

        QVERIFY(dialog.shown);
        QCOMPARE(dialog.title, QString("Export lines as OBJ"));
        QCOMPARE(dialog.directory, QDir(w->home.path()).absolutePath());
        QCOMPARE(dialog.filters, QStringList({ "3D Objects *.obj (*.obj)", "All files (*.*)" }));
        QCOMPARE(dialog.acceptMode, QFileDialog::AcceptSave);
        QCOMPARE(fileContents(fileName),
            QByteArray("#vorlix export:\n"
                       "o XLine\n"
                       "v 1.000000 0.000000 0.000000\n"
                       "o YLine\n"
                       "v 0.000000 1.000000 0.000000\n"
                       "v 0.000000 0.500000 0.000000\n"
                       "f 2 3\n"
                       "o ZLine\n"
                       "v 0.000000 0.000000 -1.000000\n"));
    }
    void completesTheExtension_data() { addSuffixRows(".obj"); }
    void completesTheExtension()
    {
        QFETCH(QString, typed);
        QFETCH(QString, written);
        GLWidget *view = w->view();
        setRecorded(view->xLines, view->xLinesIndex, { 0.5, 0.5, 0.5 });

        const DialogScript script({ chooseFile(exportDir->path() + "/" + typed) });
        triggerExport();

        QCOMPARE(exportedEntries(), QStringList { written });
        QVERIFY(fileContents(exportDir->path() + "/" + written)
                    .startsWith("#vorlix export:\no XLine\nv "));
    }
    void drawOffSaysNothingToExport()
    {
        w->ui().Draw->setChecked(false);
        QVERIFY(w->ui().xb->isChecked());

        MessageBoxAnswer warning;
        const DialogScript script({ pressOnMessage(&warning) });
        triggerExport();

        QVERIFY(script.unexpected.isEmpty());
        QVERIFY(warning.shown);
        QCOMPARE(warning.title, QString("Warning"));
        QCOMPARE(warning.text, QString("Nothing to export"));
        QVERIFY(exportedEntries().isEmpty());
    }
    void allAxesOffOpensNoDialog()
    {
        w->ui().xb->setChecked(false);
        w->ui().yb->setChecked(false);
        w->ui().zb->setChecked(false);

        const DialogScript script;
        triggerExport();
        QTest::qWait(100);

        QCOMPARE(script.unexpected, QStringList());
        QVERIFY(exportedEntries().isEmpty());
    }
    void cancelWritesNothing()
    {
        FileDialogSeen dialog;
        const DialogScript script({ cancelFile(&dialog) });
        triggerExport();

        QVERIFY(dialog.shown);
        QVERIFY(exportedEntries().isEmpty());
    }
    void exportingTwiceReplacesTheFile()
    {
        GLWidget *view = w->view();
        const QString fileName = exportDir->path() + "/twice.obj";
        // The second time, the file dialog asks whether to replace the file.
        const DialogScript script({ chooseFile(fileName), chooseFile(fileName),
            pressOnMessage(nullptr, QMessageBox::Yes) });
        setRecorded(view->xLines, view->xLinesIndex, manyPoints(50));
        triggerExport();
        QCOMPARE(vertexLines(fileContents(fileName)), 50);

        setRecorded(view->xLines, view->xLinesIndex, manyPoints(3));
        triggerExport();

        const QByteArray second = fileContents(fileName);
        QCOMPARE(vertexLines(second), 3);
        QVERIFY(second.endsWith("f 2 3\no YLine\no ZLine\n"));
        QCOMPARE(exportedEntries(), QStringList { "twice.obj" });
    }
    void unwritableTargetIsReported_data()
    {
        QTest::addColumn<QString>("relativeName");
        QTest::newRow("inside a missing directory") << "missing/lines.obj";
        QTest::newRow("an existing directory") << "folder.obj";
    }
    void unwritableTargetIsReported()
    {
        QFETCH(QString, relativeName);
        QVERIFY(QDir(exportDir->path()).mkdir("folder.obj"));
        const QStringList before = exportedEntries();
        const QString fileName = exportDir->path() + "/" + relativeName;
        GLWidget *view = w->view();
        setRecorded(view->xLines, view->xLinesIndex, manyPoints(10));

        MessageBoxAnswer warning;
        const DialogScript script({ pressOnMessage(&warning) });
        view->saveLineToOBJ(fileName);

        QVERIFY(warning.shown);
        QCOMPARE(warning.title, QString("Warning"));
        QCOMPARE(warning.text, "Can't write to " + fileName);
        QCOMPARE(exportedEntries(), before);
        QVERIFY(QDir(fileName).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty());
    }
    void fullDiskKeepsThePreviousFile()
    {
        const QString completedName = exportDir->path() + "/kept.obj";
        {
            QFile previous(completedName);
            QVERIFY(previous.open(QIODevice::WriteOnly));
            previous.write("previous export\n");
        }
        GLWidget *view = w->view();
        // About 1.5 MB of text against a limit of 64 KiB.
        setRecorded(view->xLines, view->xLinesIndex, manyPoints(30000));

        MessageBoxAnswer warning;
        const DialogScript script(
            { chooseFile(exportDir->path() + "/kept"), pressOnMessage(&warning) });
        {
            FileSizeLimit limit(64 * 1024);
            triggerExport();
        }

        QVERIFY(warning.shown);
        QCOMPARE(warning.title, QString("Warning"));
        QCOMPARE(warning.text, "Can't write to " + completedName);
        QCOMPARE(fileContents(completedName), QByteArray("previous export\n"));
        QCOMPARE(exportedEntries(), QStringList { "kept.obj" });
    }

private:
    QStringList exportedEntries() const
    {
        return QDir(exportDir->path())
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }
    void triggerExport() { w->trigger("actionExport_lines_as_OBJ"); }

    // Never shown, so no repaint adds points behind the test's back.
    std::unique_ptr<ShownWindow> w;
    // Apart from the home directory, where the file dialog keeps its own settings.
    std::unique_ptr<QTemporaryDir> exportDir;
};

QTEST_MAIN(TestTraceExportAction)
#include "tst_traceexport_action.moc"
