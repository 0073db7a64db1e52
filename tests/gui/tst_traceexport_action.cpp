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

struct SeenDialog {
    QString className;
    QString title;
    QString text;
};

/// Closes every dialog shown while it lives and records it: for checks that no dialog,
/// or only a message box, appears, without leaving a pending answer behind.
class DialogRecorder : public QObject {
public:
    DialogRecorder() { qApp->installEventFilter(this); }
    ~DialogRecorder() override { qApp->removeEventFilter(this); }

    QList<SeenDialog> seen;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *dialog = qobject_cast<QDialog *>(watched);
        if (event->type() == QEvent::Show && dialog && dialog->isWindow()) {
            const auto *box = qobject_cast<QMessageBox *>(dialog);
            seen.append({ dialog->metaObject()->className(), dialog->windowTitle(),
                box ? box->text() : QString() });
            QTimer::singleShot(0, dialog, [dialog]() { dialog->reject(); });
        }
        return false;
    }
};

/// Answers the next file dialog with `absolutePath`; confirms replacing an existing file.
void answerSaveDialog(const QString &absolutePath, FileDialogSeen *seen = nullptr)
{
    chooseInNextFileDialog(absolutePath, seen, [absolutePath] {
        if (QFileInfo::exists(absolutePath)) {
            onNextModal([](QWidget *question) {
                if (auto *box = qobject_cast<QMessageBox *>(question))
                    box->button(QMessageBox::Yes)->click();
            });
        }
    });
}

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

QByteArray contents(const QString &fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

int vertexLines(const QByteArray &text)
{
    return text.count("\nv ");
}

} // namespace

class TestTraceExportAction : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void writesTheShownTraces();
    void completesTheExtension_data();
    void completesTheExtension();
    void drawOffSaysNothingToExport();
    void allAxesOffOpensNoDialog();
    void cancelWritesNothing();
    void exportingTwiceReplacesTheFile();
    void unwritableTargetIsReported_data();
    void unwritableTargetIsReported();
    void fullDiskKeepsThePreviousFile();

private:
    QStringList exportedEntries() const;
    QCheckBox *panelSwitch(const char *name) const { return window->findChild<QCheckBox *>(name); }
    QPushButton *axisButton(const char *name) const
    {
        return window->findChild<QPushButton *>(name);
    }
    void triggerExport() { window->findChild<QAction *>("actionExport_lines_as_OBJ")->trigger(); }

    std::unique_ptr<TemporaryHome> home;
    std::unique_ptr<MainWindow> window;
    // Apart from the home directory, where the file dialog keeps its own settings.
    std::unique_ptr<QTemporaryDir> exportDir;
};

void TestTraceExportAction::init()
{
    home = std::make_unique<TemporaryHome>();
    exportDir = std::make_unique<QTemporaryDir>();
    window = std::make_unique<MainWindow>();
    // The window is never shown, so no repaint adds points behind the test's back.
    panelSwitch("Draw")->setChecked(true);
    axisButton("xb")->setChecked(true);
    axisButton("yb")->setChecked(true);
    axisButton("zb")->setChecked(true);
}

void TestTraceExportAction::cleanup()
{
    window.reset();
    exportDir.reset();
    home.reset();
}

QStringList TestTraceExportAction::exportedEntries() const
{
    return QDir(exportDir->path())
        .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

void TestTraceExportAction::writesTheShownTraces()
{
    GLWidget *view = window->glWidget;
    setRecorded(view->xLines, view->xLinesIndex, { 1, 0, 0 });
    setRecorded(view->yLines, view->yLinesIndex, { 0, 1, 0, 0, 0.5, 0 });
    setRecorded(view->zLines, view->zLinesIndex, { 0, 0, -1 });
    const QString fileName = exportDir->path() + "/traces.obj";

    FileDialogSeen dialog;
    answerSaveDialog(fileName, &dialog);
    triggerExport();

    QVERIFY(dialog.shown);
    QCOMPARE(dialog.title, QString("Export lines as OBJ"));
    QCOMPARE(dialog.directory, QDir(home->path()).absolutePath());
    QCOMPARE(dialog.filters, QStringList({ "3D Objects *.obj (*.obj)", "All files (*.*)" }));
    QCOMPARE(dialog.acceptMode, QFileDialog::AcceptSave);
    QCOMPARE(contents(fileName),
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

void TestTraceExportAction::completesTheExtension_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("written");

    QTest::newRow("no extension gets one") << "a"
                                           << "a.obj";
    QTest::newRow("upper-case extension kept") << "a.OBJ"
                                               << "a.OBJ";
    QTest::newRow("mixed-case extension kept") << "a.oBj"
                                               << "a.oBj";
    QTest::newRow("ending in obj without a dot kept") << "aobj"
                                                      << "aobj";
    QTest::newRow("another extension gets one after it") << "a.txt"
                                                         << "a.txt.obj";
}

void TestTraceExportAction::completesTheExtension()
{
    QFETCH(QString, chosen);
    QFETCH(QString, written);
    GLWidget *view = window->glWidget;
    setRecorded(view->xLines, view->xLinesIndex, { 0.5, 0.5, 0.5 });

    answerSaveDialog(exportDir->path() + "/" + chosen);
    triggerExport();

    QCOMPARE(exportedEntries(), QStringList { written });
    QVERIFY(contents(exportDir->path() + "/" + written).startsWith("#vorlix export:\no XLine\nv "));
}

void TestTraceExportAction::drawOffSaysNothingToExport()
{
    panelSwitch("Draw")->setChecked(false);
    QVERIFY(axisButton("xb")->isChecked());

    DialogRecorder recorder;
    triggerExport();

    QCOMPARE(recorder.seen.size(), 1);
    QCOMPARE(recorder.seen.first().className, QString("QMessageBox"));
    QCOMPARE(recorder.seen.first().title, QString("Warning"));
    QCOMPARE(recorder.seen.first().text, QString("Nothing to export"));
    QVERIFY(exportedEntries().isEmpty());
}

void TestTraceExportAction::allAxesOffOpensNoDialog()
{
    axisButton("xb")->setChecked(false);
    axisButton("yb")->setChecked(false);
    axisButton("zb")->setChecked(false);

    DialogRecorder recorder;
    triggerExport();
    QTest::qWait(100);

    QCOMPARE(recorder.seen.size(), 0);
    QVERIFY(exportedEntries().isEmpty());
}

void TestTraceExportAction::cancelWritesNothing()
{
    FileDialogSeen dialog;
    cancelNextFileDialog(&dialog);
    triggerExport();

    QVERIFY(dialog.shown);
    QVERIFY(exportedEntries().isEmpty());
}

void TestTraceExportAction::exportingTwiceReplacesTheFile()
{
    GLWidget *view = window->glWidget;
    const QString fileName = exportDir->path() + "/twice.obj";
    setRecorded(view->xLines, view->xLinesIndex, manyPoints(50));
    answerSaveDialog(fileName);
    triggerExport();
    QCOMPARE(vertexLines(contents(fileName)), 50);

    setRecorded(view->xLines, view->xLinesIndex, manyPoints(3));
    answerSaveDialog(fileName);
    triggerExport();

    const QByteArray second = contents(fileName);
    QCOMPARE(vertexLines(second), 3);
    QVERIFY(second.endsWith("f 2 3\no YLine\no ZLine\n"));
    QCOMPARE(exportedEntries(), QStringList { "twice.obj" });
}

void TestTraceExportAction::unwritableTargetIsReported_data()
{
    QTest::addColumn<QString>("relativeName");
    QTest::newRow("inside a missing directory") << "missing/lines.obj";
    QTest::newRow("an existing directory") << "folder.obj";
}

void TestTraceExportAction::unwritableTargetIsReported()
{
    QFETCH(QString, relativeName);
    QVERIFY(QDir(exportDir->path()).mkdir("folder.obj"));
    const QStringList before = exportedEntries();
    const QString fileName = exportDir->path() + "/" + relativeName;
    GLWidget *view = window->glWidget;
    setRecorded(view->xLines, view->xLinesIndex, manyPoints(10));

    MessageBoxAnswer warning;
    acceptNextMessageBox(&warning);
    view->saveLineToOBJ(fileName);

    QVERIFY(warning.shown);
    QCOMPARE(warning.title, QString("Warning"));
    QCOMPARE(warning.text, "Can't write to " + fileName);
    QCOMPARE(exportedEntries(), before);
    QVERIFY(QDir(fileName).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty());
}

void TestTraceExportAction::fullDiskKeepsThePreviousFile()
{
    const QString completedName = exportDir->path() + "/kept.obj";
    {
        QFile previous(completedName);
        QVERIFY(previous.open(QIODevice::WriteOnly));
        previous.write("previous export\n");
    }
    GLWidget *view = window->glWidget;
    // About 1.5 MB of text against a limit of 64 KiB.
    setRecorded(view->xLines, view->xLinesIndex, manyPoints(30000));

    MessageBoxAnswer warning;
    chooseInNextFileDialog(
        exportDir->path() + "/kept", nullptr, [&warning] { acceptNextMessageBox(&warning); });
    {
        FileSizeLimit limit(64 * 1024);
        triggerExport();
    }

    QVERIFY(warning.shown);
    QCOMPARE(warning.title, QString("Warning"));
    QCOMPARE(warning.text, "Can't write to " + completedName);
    QCOMPARE(contents(completedName), QByteArray("previous export\n"));
    QCOMPARE(exportedEntries(), QStringList { "kept.obj" });
}

QTEST_MAIN(TestTraceExportAction)
#include "tst_traceexport_action.moc"
