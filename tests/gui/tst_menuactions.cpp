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

/// Answers the modal dialogs that open while it exists, in order, one step each. A dialog
/// beyond the steps is recorded and rejected, so that no test waits for a person.
class DialogScript {
public:
    using Step = std::function<void(QWidget *)>;

    explicit DialogScript(QList<Step> steps) : steps(std::move(steps))
    {
        QObject::connect(&timer, &QTimer::timeout, [this]() { poll(); });
        timer.start(10);
    }

    int answered = 0;
    QStringList unexpected;

private:
    void poll()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || modal == lastAnswered)
            return;
        lastAnswered = modal;
        if (answered < steps.size()) {
            steps[answered++](modal);
            return;
        }
        unexpected << QString(modal->metaObject()->className()) + " " + modal->windowTitle();
        if (auto *dialog = qobject_cast<QDialog *>(modal))
            dialog->reject();
    }

    QList<Step> steps;
    QTimer timer;
    QPointer<QWidget> lastAnswered;
};

/// A step for a dialog of type T; any other dialog is rejected and the step fails.
template<typename T>
DialogScript::Step answer(std::function<void(T *)> act, bool *wrongDialog = nullptr)
{
    return [act, wrongDialog](QWidget *modal) {
        if (auto *dialog = qobject_cast<T *>(modal)) {
            act(dialog);
            return;
        }
        if (wrongDialog)
            *wrongDialog = true;
        if (auto *dialog = qobject_cast<QDialog *>(modal))
            dialog->reject();
    };
}

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

/// A step that chooses `name` in a file dialog, as typed into it.
DialogScript::Step answerFile(const QString &name, FileDialogSeen *seen = nullptr)
{
    return answer<QFileDialog>([name, seen](QFileDialog *dialog) {
        recordFileDialog(dialog, seen);
        chooseFile(dialog, name);
    });
}

DialogScript::Step reject()
{
    return answer<QDialog>([](QDialog *dialog) { dialog->reject(); });
}

DialogScript::Step recordMessage(MessageBoxAnswer *seen)
{
    return answer<QMessageBox>([seen](QMessageBox *box) {
        seen->shown = true;
        seen->title = box->windowTitle();
        seen->text = box->text();
        box->accept();
    });
}

/// A shown main window in a private home, its view initialised.
struct Fixture {
    TemporaryHome home;
    MainWindow window;

    Fixture()
    {
        window.show();
        if (!QTest::qWaitForWindowExposed(&window))
            qWarning("main window not exposed");
        view().updateGL();
    }

    Ui_MainWindowClass &ui() { return *window.ui; }
    GLWidget &view() { return *window.glWidget; }
    QString inHome(const QString &name) const { return home.path() + "/" + name; }

    /// What the view shows after a fresh repaint.
    QImage grabView()
    {
        view().updateGL();
        return viewFrame(&view()).convertToFormat(QImage::Format_RGB32);
    }

    QByteArray userSettings() const
    {
        QFile file(home.userSettingsFile());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
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

/// Equal but for rounding in the last bits of a channel.
bool similar(QRgb a, QRgb b)
{
    const int tolerance = 2;
    return std::abs(qRed(a) - qRed(b)) <= tolerance && std::abs(qGreen(a) - qGreen(b)) <= tolerance
        && std::abs(qBlue(a) - qBlue(b)) <= tolerance;
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
            if (!similar(a.pixel(x, y), b.pixel(x, y)))
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
            if (!similar(line[x], background))
                shares[int(y * n / side) * n + int(x * n / side)] += 1;
    }
    const double blockArea = double(side * side) / (n * n);
    for (double &share : shares)
        share /= blockArea;
    return shares;
}

QRgb backgroundOf(const GLWidget &view)
{
    return view.backgroundColor.rgb();
}

} // namespace

class TestMenuActions : public QObject {
    Q_OBJECT

private slots:
    void exportedImageShowsTheScene();
    void exportSizeDialog();
    void exportKeepsLiveView();
    void offscreenMatchesView();
    void tilesMatchWholeImage_data();
    void tilesMatchWholeImage();
    void tilesRecordOneTracePoint_data();
    void tilesRecordOneTracePoint();
    void sizeBeyondGlLimits();
    void exportFileName_data();
    void exportFileName();
    void exportCancelledAtFileDialog();
    void unwritableImageWarns();
    void lineWidth();
    void lineWidthCancelled();
    void backgroundColour();
    void backgroundColourCancelled();
    void infoOpensCentredDialogs();
    void aboutDialogForm();
    void exitClosesWindow();
};

void TestMenuActions::exportedImageShowsTheScene()
{
    Fixture f;
    DialogScript script({ answerSize(64), answerFile("picture.png") });
    f.ui().actionExport_as_image->trigger();
    QCOMPARE(script.answered, 2);
    QVERIFY2(script.unexpected.isEmpty(), qPrintable(script.unexpected.join(", ")));

    QImageReader reader(f.inHome("picture.png"));
    QCOMPARE(reader.format(), QByteArray("png"));
    const QImage image = reader.read();
    QCOMPARE(image.size(), QSize(64, 64));
    // The body is lit and shaded: many colours, and the middle is not background.
    QVERIFY(distinctColours(image) > 8);
    QVERIFY(!similar(image.pixel(32, 32), backgroundOf(f.view())));
}

void TestMenuActions::exportSizeDialog()
{
    Fixture f;
    f.window.resize(900, 500);
    QCoreApplication::processEvents();
    SizeDialogSeen seen;
    FileDialogSeen fileDialog;
    DialogScript script({ answerSize(30, &seen), answerFile("small", &fileDialog) });
    f.ui().actionExport_as_image->trigger();
    QCOMPARE(script.answered, 2);

    QCOMPARE(seen.value, f.view().width());
    QCOMPARE(seen.minimum, 1);
    QCOMPARE(seen.maximum, 20000);
    QCOMPARE(seen.step, 10);
    QCOMPARE(fileDialog.directory, QDir(f.home.path()).absolutePath());
    QCOMPARE(fileDialog.acceptMode, QFileDialog::AcceptSave);
    QCOMPARE(QImage(f.inHome("small.png")).size(), QSize(30, 30));
}

void TestMenuActions::exportKeepsLiveView()
{
    Fixture f;
    GLWidget &view = f.view();
    const GLuint body = view.bodyList;
    const GLuint arrow = view.arrowList;
    const QImage before = f.grabView();

    DialogScript script({ answerSize(64), answerFile("kept.png") });
    f.ui().actionExport_as_image->trigger();
    QCOMPARE(script.answered, 2);

    QCOMPARE(view.bodyList, body);
    QCOMPARE(view.arrowList, arrow);
    view.makeCurrent();
    QVERIFY(glIsList(view.bodyList));
    QVERIFY(glIsList(view.arrowList));
    // Viewport, projection and buffers are back: the view draws the same picture.
    const QImage after = f.grabView();
    QVERIFY(distinctColours(after) > 8);
    QVERIFY(differingShare(before, after) < 0.001);
}

void TestMenuActions::offscreenMatchesView()
{
    Fixture f;
    GLWidget &view = f.view();
    const QImage shown = f.grabView();
    const int w = view.width();
    const int h = view.height();
    const vorlix::Viewport v = vorlix::squareViewport(w, h);

    // The view shows the middle of a square of the viewport's side.
    const QImage square = view.renderSquareImage(v.side);
    QCOMPARE(square.size(), QSize(v.side, v.side));
    const QImage visible = square.copy(-v.x, v.side - h + v.y, w, h);
    QVERIFY(differingShare(shown, visible) < 0.001);
}

void TestMenuActions::tilesMatchWholeImage_data()
{
    QTest::addColumn<int>("side");
    QTest::addColumn<int>("tileSide");
    QTest::newRow("one tile") << 96 << 96;
    QTest::newRow("four tiles") << 96 << 48;
    QTest::newRow("uneven last tile") << 97 << 50;
    QTest::newRow("many small tiles") << 120 << 7;
    QTest::newRow("tiles of one pixel") << 9 << 1;
}

void TestMenuActions::tilesMatchWholeImage()
{
    QFETCH(int, side);
    QFETCH(int, tileSide);
    Fixture f;
    const QImage whole = f.view().renderSquareImage(side);
    const QImage tiled = f.view().renderSquareImage(side, tileSide);
    QCOMPARE(tiled.size(), QSize(side, side));
    QVERIFY(distinctColours(whole) > 2);
    QVERIFY2(differingShare(whole, tiled) < 0.01,
        qPrintable(QString::number(differingShare(whole, tiled))));
}

void TestMenuActions::tilesRecordOneTracePoint_data()
{
    QTest::addColumn<int>("tileSide");
    QTest::newRow("one tile") << 0;
    QTest::newRow("nine tiles") << 22;
}

void TestMenuActions::tilesRecordOneTracePoint()
{
    QFETCH(int, tileSide);
    Fixture f;
    f.ui().Draw->setChecked(true);
    f.ui().xb->setChecked(true);
    GLWidget &view = f.view();
    view.updateGL();
    const int before = view.xLinesIndex;
    view.renderSquareImage(64, tileSide);
    // Like one repaint: the picture shows one instant.
    QCOMPARE(GLWidget::tracePointCount(view.xLinesIndex), GLWidget::tracePointCount(before) + 1);
}

void TestMenuActions::sizeBeyondGlLimits()
{
    Fixture f;
    GLWidget &view = f.view();
    view.makeCurrent();
    GLint renderbuffer = 0;
    GLint viewport[2] = { 0, 0 };
    glGetIntegerv(GL_MAX_RENDERBUFFER_SIZE, &renderbuffer);
    glGetIntegerv(GL_MAX_VIEWPORT_DIMS, viewport);
    const int side = std::max({ 17000, int(renderbuffer) + 1, int(viewport[0]) + 1 });
    if (side > 20000)
        QSKIP("this GL implementation draws every size in one piece");
    if (QImage(side, side, QImage::Format_RGB32).isNull())
        QSKIP("not enough memory for the picture");

    const QImage large = view.renderSquareImage(side);
    QCOMPARE(large.size(), QSize(side, side));
    // Every part of the scene is where a small rendering has it.
    const int blocks = 10;
    const QImage small = view.renderSquareImage(500);
    const QVector<double> expected = coverage(small, backgroundOf(view), blocks);
    const QVector<double> actual = coverage(large, backgroundOf(view), blocks);
    for (int i = 0; i < blocks * blocks; ++i)
        QVERIFY2(std::abs(actual[i] - expected[i]) < 0.02,
            qPrintable(QString("block %1: %2 vs %3").arg(i).arg(actual[i]).arg(expected[i])));
}

void TestMenuActions::exportFileName_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("written");
    QTest::newRow("no extension") << "picture"
                                  << "picture.png";
    QTest::newRow("png") << "picture.png"
                         << "picture.png";
    QTest::newRow("upper-case PNG") << "picture.PNG"
                                    << "picture.PNG";
    QTest::newRow("mixed-case") << "picture.Png"
                                << "picture.Png";
    QTest::newRow("ends in png without dot") << "apng"
                                             << "apng";
    QTest::newRow("other extension") << "picture.jpg"
                                     << "picture.jpg.png";
}

void TestMenuActions::exportFileName()
{
    QFETCH(QString, typed);
    QFETCH(QString, written);
    Fixture f;
    DialogScript script({ answerSize(16), answerFile(typed) });
    f.ui().actionExport_as_image->trigger();
    QCOMPARE(script.answered, 2);
    QVERIFY2(script.unexpected.isEmpty(), qPrintable(script.unexpected.join(", ")));

    const QStringList files = QDir(f.home.path()).entryList(QDir::Files);
    QCOMPARE(files, QStringList { written });
    QImageReader reader(f.inHome(written));
    QCOMPARE(reader.format(), QByteArray("png"));
    QCOMPARE(reader.size(), QSize(16, 16));
}

void TestMenuActions::exportCancelledAtFileDialog()
{
    Fixture f;
    DialogScript script({ answerSize(16), reject() });
    f.ui().actionExport_as_image->trigger();
    QCOMPARE(script.answered, 2);
    QVERIFY(script.unexpected.isEmpty());
    QVERIFY(QDir(f.home.path()).entryList(QDir::Files).isEmpty());
}

void TestMenuActions::unwritableImageWarns()
{
    Fixture f;
    const QString target = f.inHome("missing/picture.png");
    MessageBoxAnswer seen;
    DialogScript script({ answerSize(16), answerFile(target), recordMessage(&seen) });
    f.ui().actionExport_as_image->trigger();
    QCOMPARE(script.answered, 3);

    QVERIFY(seen.shown);
    QCOMPARE(seen.title, QString("Warning"));
    QCOMPARE(seen.text, "Can't write to " + target);
    QVERIFY(!QFile::exists(target));
}

void TestMenuActions::lineWidth()
{
    Fixture f;
    GLWidget &view = f.view();
    view.makeCurrent();
    GLfloat range[2] = { 0, 0 };
    glGetFloatv(GL_ALIASED_LINE_WIDTH_RANGE, range);
    const double chosen = std::min(3.0, double(range[1]));
    const float before = view.lineWidth;

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
    QCOMPARE(view.lineWidth, float(chosen));
    view.makeCurrent();
    GLfloat current = 0;
    glGetFloatv(GL_LINE_WIDTH, &current);
    QCOMPARE(current, float(chosen));

    // Persisted: the next start reads it back.
    QVERIFY(!f.userSettings().isEmpty());
    MainWindow next;
    QCOMPARE(next.lineWidth, float(chosen));
}

void TestMenuActions::lineWidthCancelled()
{
    Fixture f;
    const QByteArray settingsBefore = f.userSettings();
    const float before = f.view().lineWidth;
    DialogScript script({ answer<QInputDialog>([](QInputDialog *dialog) {
        dialog->setDoubleValue(5);
        dialog->reject();
    }) });
    f.ui().actionLine_width->trigger();
    QCOMPARE(script.answered, 1);
    QCOMPARE(f.view().lineWidth, before);
    QCOMPARE(f.window.lineWidth, before);
    QCOMPARE(f.userSettings(), settingsBefore);
}

void TestMenuActions::backgroundColour()
{
    Fixture f;
    GLWidget &view = f.view();
    const QColor chosen(10, 200, 30);
    QColor offered;
    DialogScript script({ answer<QColorDialog>([&](QColorDialog *dialog) {
        offered = dialog->currentColor();
        dialog->setCurrentColor(chosen);
        dialog->accept();
    }) });
    const QColor before = view.backgroundColor;
    f.ui().actionBackground_color->trigger();
    QCOMPARE(script.answered, 1);

    QCOMPARE(offered.rgb(), before.rgb());
    QCOMPARE(f.window.backgroundColor, chosen);
    QCOMPARE(view.backgroundColor, chosen);
    view.makeCurrent();
    GLfloat clear[4] = { 0, 0, 0, 0 };
    glGetFloatv(GL_COLOR_CLEAR_VALUE, clear);
    QCOMPARE(QColor::fromRgbF(clear[0], clear[1], clear[2]).rgb(), chosen.rgb());

    QVERIFY(!f.userSettings().isEmpty());
    MainWindow next;
    QCOMPARE(next.backgroundColor.rgb(), chosen.rgb());
}

void TestMenuActions::backgroundColourCancelled()
{
    Fixture f;
    const QByteArray settingsBefore = f.userSettings();
    const QColor before = f.view().backgroundColor;
    DialogScript script({ answer<QColorDialog>([](QColorDialog *dialog) {
        dialog->setCurrentColor(Qt::red);
        dialog->reject();
    }) });
    f.ui().actionBackground_color->trigger();
    QCOMPARE(script.answered, 1);
    QCOMPARE(f.view().backgroundColor, before);
    QCOMPARE(f.window.backgroundColor, before);
    QCOMPARE(f.userSettings(), settingsBefore);
}

void TestMenuActions::infoOpensCentredDialogs()
{
    Fixture f;
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

void TestMenuActions::aboutDialogForm()
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
    QCOMPARE(
        label->textInteractionFlags(), Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    QVERIFY(!label->openExternalLinks());
    QVERIFY(label->text().contains(
        "https://en.wikipedia.org/wiki/Euler%27s_equations_(rigid_body_dynamics)"));
    // The formula picture is compiled in.
    QCOMPARE(QImage(":/images/formula.png").size(), QSize(200, 155));
    QCOMPARE(QImage(":/icon/icon_32.png").size(), QSize(32, 32));
}

void TestMenuActions::exitClosesWindow()
{
    Fixture f;
    QVERIFY(f.window.isVisible());
    f.ui().actionE_xit->trigger();
    QVERIFY(!f.window.isVisible());
}

QTEST_MAIN(TestMenuActions)
#include "tst_menuactions.moc"
