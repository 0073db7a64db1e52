// SPDX-License-Identifier: GPL-3.0-or-later
#include "about.h"
#include "glwidget.h"
#include "mainwindow.h"
#include "scenegeometry.h"
#include "testsupport.h"
#include "ui_about.h"
#include "ui_mainwindowclass.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QFileDialog>
#include <QImageReader>
#include <QInputDialog>
#include <QLabel>
#include <QPointer>
#include <QtTest>
#include <functional>

namespace {

struct SizeDialogSeen {
    int value = -1, minimum = -1, maximum = -1, step = -1;
};

DialogScript::Step answerSize(int side, SizeDialogSeen *seen = nullptr)
{
    return answer<QInputDialog>([side, seen](QInputDialog *dialog) {
        if (seen)
            *seen = { dialog->intValue(), dialog->intMinimum(), dialog->intMaximum(),
                dialog->intStep() };
        dialog->setIntValue(side);
        dialog->accept();
    });
}

/// The main window on screen, its view drawn once.
struct DrawnWindow : ShownWindow {
    DrawnWindow()
    {
        if (!exposed())
            qWarning("main window not exposed");
        view()->updateGL();
    }
};

int distinctColours(const QImage &image)
{
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            colours.insert(image.pixel(x, y));
    return colours.size();
}

/// Share of pixels differing by more than a rounding step in some channel: edges of
/// rasterised triangles may fall a pixel apart between two equivalent renderings.
double differingShare(const QImage &a, const QImage &b)
{
    if (a.size() != b.size())
        return 1;
    qint64 differing = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (!sameColour(a.pixel(x, y), b.pixel(x, y)))
                ++differing;
    return double(differing) / (qint64(a.width()) * a.height());
}

/// Share of non-background pixels in each of n x n blocks: where the scene lies.
QVector<double> coverage(const QImage &image, QRgb background, int n)
{
    QVector<double> shares(n * n, 0.0);
    const qint64 side = image.width();
    for (int y = 0; y < image.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (!sameColour(line[x], background))
                shares[int(y * n / side) * n + int(x * n / side)] += 1;
    }
    const double blockArea = double(side * side) / (n * n);
    for (double &share : shares)
        share /= blockArea;
    return shares;
}

QRgb backgroundOf(const GLWidget *view)
{
    return view->backgroundColor.rgb();
}

} // namespace

class TestMenuActions : public QObject {
    Q_OBJECT

private slots:
    void exportedImageShowsTheScene()
    {
        DrawnWindow f;
        DialogScript script({ answerSize(64), chooseFile("picture.png") });
        f.ui().actionExport_as_image->trigger();
        QCOMPARE(script.answered, 2);
        QVERIFY2(script.unexpected.isEmpty(), qPrintable(script.unexpected.join(", ")));

        QImageReader reader(f.home.filePath("picture.png"));
        QCOMPARE(reader.format(), QByteArray("png"));
        const QImage image = reader.read();
        QCOMPARE(image.size(), QSize(64, 64));
        // The body is lit and shaded: many colours, and the middle is not background.
        QVERIFY(distinctColours(image) > 8);
        QVERIFY(!sameColour(image.pixel(32, 32), backgroundOf(f.view())));
    }
    void exportSizeDialog()
    {
        DrawnWindow f;
        f.window.resize(900, 500);
        QCoreApplication::processEvents();
        SizeDialogSeen seen;
        FileDialogSeen fileDialog;
        DialogScript script({ answerSize(30, &seen), chooseFile("small", &fileDialog) });
        f.ui().actionExport_as_image->trigger();
        QCOMPARE(script.answered, 2);

        QCOMPARE(seen.value, f.view()->width());
        QCOMPARE(seen.minimum, 1);
        QCOMPARE(seen.maximum, 20000);
        QCOMPARE(seen.step, 10);
        QCOMPARE(fileDialog.directory, QDir(f.home.path()).absolutePath());
        QCOMPARE(fileDialog.acceptMode, QFileDialog::AcceptSave);
        QCOMPARE(QImage(f.home.filePath("small.png")).size(), QSize(30, 30));
    }
    void exportKeepsLiveView()
    {
        DrawnWindow f;
        GLWidget *view = f.view();
        const GLuint body = view->bodyList;
        const GLuint arrow = view->arrowList;
        const QImage before = renderedFrame(view);

        DialogScript script({ answerSize(64), chooseFile("kept.png") });
        f.ui().actionExport_as_image->trigger();
        QCOMPARE(script.answered, 2);

        QCOMPARE(view->bodyList, body);
        QCOMPARE(view->arrowList, arrow);
        view->makeCurrent();
        QVERIFY(glIsList(view->bodyList));
        QVERIFY(glIsList(view->arrowList));
        // Viewport, projection and buffers are back: the view draws the same picture.
        const QImage after = renderedFrame(view);
        QVERIFY(distinctColours(after) > 8);
        QVERIFY(differingShare(before, after) < 0.001);
    }
    void offscreenMatchesView()
    {
        DrawnWindow f;
        GLWidget *view = f.view();
        const QImage shown = renderedFrame(view);
        const int w = view->width();
        const int h = view->height();
        const vorlix::Viewport v = vorlix::squareViewport(w, h);

        // The view shows the middle of a square of the viewport's side.
        const QImage square = view->renderSquareImage(v.side);
        QCOMPARE(square.size(), QSize(v.side, v.side));
        const QImage visible = square.copy(-v.x, v.side - h + v.y, w, h);
        QVERIFY(differingShare(shown, visible) < 0.001);
    }
    void tilesMatchWholeImage_data()
    {
        QTest::addColumn<int>("side");
        QTest::addColumn<int>("tileSide");
        QTest::newRow("one tile") << 96 << 96;
        QTest::newRow("four tiles") << 96 << 48;
        QTest::newRow("uneven last tile") << 97 << 50;
        QTest::newRow("many small tiles") << 120 << 7;
        QTest::newRow("tiles of one pixel") << 9 << 1;
    }
    void tilesMatchWholeImage()
    {
        QFETCH(int, side);
        QFETCH(int, tileSide);
        DrawnWindow f;
        const QImage whole = f.view()->renderSquareImage(side);
        const QImage tiled = f.view()->renderSquareImage(side, tileSide);
        QCOMPARE(tiled.size(), QSize(side, side));
        QVERIFY(distinctColours(whole) > 2);
        QVERIFY2(differingShare(whole, tiled) < 0.01,
            qPrintable(QString::number(differingShare(whole, tiled))));
    }
    void tilesRecordOneTracePoint_data()
    {
        QTest::addColumn<int>("tileSide");
        QTest::newRow("one tile") << 0;
        QTest::newRow("nine tiles") << 22;
    }
    void tilesRecordOneTracePoint()
    {
        QFETCH(int, tileSide);
        DrawnWindow f;
        f.ui().Draw->setChecked(true);
        f.ui().xb->setChecked(true);
        GLWidget *view = f.view();
        view->updateGL();
        const int before = view->xLinesIndex;
        view->renderSquareImage(64, tileSide);
        // Like one repaint: the picture shows one instant.
        QCOMPARE(
            GLWidget::tracePointCount(view->xLinesIndex), GLWidget::tracePointCount(before) + 1);
    }
    void sizeBeyondGlLimits()
    {
        DrawnWindow f;
        GLWidget *view = f.view();
        view->makeCurrent();
        GLint renderbuffer = 0;
        GLint viewport[2] = { 0, 0 };
        glGetIntegerv(GL_MAX_RENDERBUFFER_SIZE, &renderbuffer);
        glGetIntegerv(GL_MAX_VIEWPORT_DIMS, viewport);
        const int side = std::max({ 17000, int(renderbuffer) + 1, int(viewport[0]) + 1 });
        if (side > 20000)
            QSKIP("this GL implementation draws every size in one piece");
        if (QImage(side, side, QImage::Format_RGB32).isNull())
            QSKIP("not enough memory for the picture");

        const QImage large = view->renderSquareImage(side);
        QCOMPARE(large.size(), QSize(side, side));
        // Every part of the scene is where a small rendering has it.
        const int blocks = 10;
        const QImage small = view->renderSquareImage(500);
        const QVector<double> expected = coverage(small, backgroundOf(view), blocks);
        const QVector<double> actual = coverage(large, backgroundOf(view), blocks);
        for (int i = 0; i < blocks * blocks; ++i)
            QVERIFY2(std::abs(actual[i] - expected[i]) < 0.02,
                qPrintable(QString("block %1: %2 vs %3").arg(i).arg(actual[i]).arg(expected[i])));
    }
    void exportFileName_data() { addSuffixRows(".png"); }
    void exportFileName()
    {
        QFETCH(QString, typed);
        QFETCH(QString, written);
        DrawnWindow f;
        DialogScript script({ answerSize(16), chooseFile(typed) });
        f.ui().actionExport_as_image->trigger();
        QCOMPARE(script.answered, 2);
        QVERIFY2(script.unexpected.isEmpty(), qPrintable(script.unexpected.join(", ")));

        const QStringList files = QDir(f.home.path()).entryList(QDir::Files);
        QCOMPARE(files, QStringList { written });
        QImageReader reader(f.home.filePath(written));
        QCOMPARE(reader.format(), QByteArray("png"));
        QCOMPARE(reader.size(), QSize(16, 16));
    }
    void exportCancelledAtFileDialog()
    {
        DrawnWindow f;
        DialogScript script({ answerSize(16), cancelFile() });
        f.ui().actionExport_as_image->trigger();
        QCOMPARE(script.answered, 2);
        QVERIFY(script.unexpected.isEmpty());
        QVERIFY(QDir(f.home.path()).entryList(QDir::Files).isEmpty());
    }
    void unwritableImageWarns()
    {
        DrawnWindow f;
        const QString target = f.home.filePath("missing/picture.png");
        MessageBoxAnswer seen;
        DialogScript script({ answerSize(16), chooseFile(target), pressOnMessage(&seen) });
        f.ui().actionExport_as_image->trigger();
        QCOMPARE(script.answered, 3);

        QVERIFY(seen.shown);
        QCOMPARE(seen.title, QString("Warning"));
        QCOMPARE(seen.text, "Can't write to " + target);
        QVERIFY(!QFile::exists(target));
    }
    void lineWidth()
    {
        DrawnWindow f;
        GLWidget *view = f.view();
        view->makeCurrent();
        GLfloat range[2] = { 0, 0 };
        glGetFloatv(GL_ALIASED_LINE_WIDTH_RANGE, range);
        const double chosen = std::min(3.0, double(range[1]));
        const float before = view->lineWidth;

        double offered = -1, minimum = -1, maximum = -1;
        int decimals = -1;
        DialogScript script({ answer<QInputDialog>([&](QInputDialog *dialog) {
            offered = dialog->doubleValue();
            minimum = dialog->doubleMinimum();
            maximum = dialog->doubleMaximum();
            decimals = dialog->doubleDecimals();
            dialog->setDoubleValue(chosen);
            dialog->accept();
        }) });
        f.ui().actionLine_width->trigger();
        QCOMPARE(script.answered, 1);

        QCOMPARE(offered, double(before));
        QCOMPARE(minimum, 1.0);
        QCOMPARE(maximum, double(range[1]));
        QCOMPARE(decimals, 0);
        QCOMPARE(f.window.lineWidth, float(chosen));
        QCOMPARE(view->lineWidth, float(chosen));
        view->makeCurrent();
        GLfloat current = 0;
        glGetFloatv(GL_LINE_WIDTH, &current);
        QCOMPARE(current, float(chosen));

        // Persisted: the next start reads it back.
        QVERIFY(!fileContents(f.home.userSettingsFile()).isEmpty());
        MainWindow next;
        QCOMPARE(next.lineWidth, float(chosen));
    }
    void backgroundColour()
    {
        DrawnWindow f;
        GLWidget *view = f.view();
        const QColor chosen(10, 200, 30);
        QColor offered;
        DialogScript script({ answer<QColorDialog>([&](QColorDialog *dialog) {
            offered = dialog->currentColor();
            dialog->setCurrentColor(chosen);
            dialog->accept();
        }) });
        const QColor before = view->backgroundColor;
        f.ui().actionBackground_color->trigger();
        QCOMPARE(script.answered, 1);

        QCOMPARE(offered.rgb(), before.rgb());
        QCOMPARE(f.window.backgroundColor, chosen);
        QCOMPARE(view->backgroundColor, chosen);
        view->makeCurrent();
        GLfloat clear[4] = { 0, 0, 0, 0 };
        glGetFloatv(GL_COLOR_CLEAR_VALUE, clear);
        QCOMPARE(QColor::fromRgbF(clear[0], clear[1], clear[2]).rgb(), chosen.rgb());

        QVERIFY(!fileContents(f.home.userSettingsFile()).isEmpty());
        MainWindow next;
        QCOMPARE(next.backgroundColor.rgb(), chosen.rgb());
    }
    void cancelledSettingChangesNothing_data()
    {
        QTest::addColumn<QString>("action");
        QTest::newRow("line width") << "actionLine_width";
        QTest::newRow("background colour") << "actionBackground_color";
    }
    void cancelledSettingChangesNothing()
    {
        QFETCH(QString, action);
        DrawnWindow f;
        const QByteArray settingsBefore = fileContents(f.home.userSettingsFile());
        const float lineWidth = f.view()->lineWidth;
        const QColor background = f.view()->backgroundColor;
        // Another value is entered before the dialog is cancelled.
        DialogScript script({ [](QWidget *modal) {
            if (auto *input = qobject_cast<QInputDialog *>(modal))
                input->setDoubleValue(5);
            if (auto *colours = qobject_cast<QColorDialog *>(modal))
                colours->setCurrentColor(Qt::red);
            auto *dialog = qobject_cast<QDialog *>(modal);
            if (dialog)
                dialog->reject();
            return dialog != nullptr;
        } });
        f.trigger(qPrintable(action));
        QCOMPARE(script.answered, 1);
        QCOMPARE(f.view()->lineWidth, lineWidth);
        QCOMPARE(f.window.lineWidth, lineWidth);
        QCOMPARE(f.view()->backgroundColor, background);
        QCOMPARE(f.window.backgroundColor, background);
        QCOMPARE(fileContents(f.home.userSettingsFile()), settingsBefore);
    }
    void infoOpensCentredDialogs()
    {
        DrawnWindow f;
        f.window.move(40, 30);
        f.window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f.window));

        QTest::keyClick(&f.window, Qt::Key_F1);
        QTest::keyClick(&f.window, Qt::Key_F1);
        QList<QPointer<about>> dialogs;
        for (QWidget *widget : QApplication::topLevelWidgets())
            if (auto *dialog = qobject_cast<about *>(widget))
                dialogs << dialog;
        QCOMPARE(dialogs.size(), 2);

        const QPoint windowCentre = f.window.frameGeometry().center();
        for (const QPointer<about> &dialog : dialogs) {
            QVERIFY(dialog->isVisible());
            QVERIFY(!dialog->isModal());
            QVERIFY(QTest::qWaitForWindowExposed(dialog));
            const QPoint offset = dialog->frameGeometry().center() - windowCentre;
            QVERIFY2(offset.manhattanLength() <= 2,
                qPrintable(QString("%1, %2").arg(offset.x()).arg(offset.y())));
        }
        // Closed dialogs are freed.
        for (const QPointer<about> &dialog : dialogs)
            dialog->close();
        QTRY_VERIFY(dialogs[0].isNull() && dialogs[1].isNull());
    }
    void aboutDialogForm()
    {
        about dialog;
        QLabel *label = dialog.aboutUi->label;
        QCOMPARE(dialog.objectName(), QString("about"));
        QCOMPARE(dialog.contextMenuPolicy(), Qt::NoContextMenu);
        QVERIFY(!dialog.windowIcon().isNull());
        QCOMPARE(dialog.aboutUi->gridLayout->indexOf(label), 0);
        QVERIFY(label->wordWrap());
        QCOMPARE(label->alignment(), Qt::AlignLeading | Qt::AlignLeft | Qt::AlignTop);
        // Links work from the mouse and the keyboard; the text itself cannot be selected.
        QCOMPARE(label->textInteractionFlags(),
            Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
        QVERIFY(!label->openExternalLinks());
        QVERIFY(label->text().contains(
            "https://en.wikipedia.org/wiki/Euler%27s_equations_(rigid_body_dynamics)"));
        // The formula picture is compiled in.
        QCOMPARE(QImage(":/images/formula.png").size(), QSize(200, 155));
        QCOMPARE(QImage(":/icon/icon_32.png").size(), QSize(32, 32));
    }
    void exitClosesWindow()
    {
        DrawnWindow f;
        QVERIFY(f.window.isVisible());
        f.ui().actionE_xit->trigger();
        QVERIFY(!f.window.isVisible());
    }
};

QTEST_MAIN(TestMenuActions)
#include "tst_menuactions.moc"
