// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef VORLIX_TESTSUPPORT_H
#define VORLIX_TESTSUPPORT_H

// Helpers shared by the GUI tests: a private home directory, answers to the modal
// dialogs the program opens (so that no test ever waits for a person), a main window,
// the frame its view draws and the colours in it, mouse input as the windowing system
// delivers it, and writes that fail.

#include "glwidget.h"
#include "mainwindow.h"
#include "scenegeometry.h"
#include "ui_mainwindowclass.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QImage>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QVector3D>
#include <QVector>
#include <QWidget>
#include <QWindow>
#include <csignal>
#include <functional>
#include <initializer_list>
#include <sys/resource.h>

// ---- Private home directory and files ----

/// Points HOME at a fresh empty directory for the object's lifetime. Create it before
/// the MainWindow, which reads QDir::homePath() when it is constructed.
class TemporaryHome {
public:
    TemporaryHome() : previous(qgetenv("HOME")) { qputenv("HOME", dir.path().toLocal8Bit()); }
    ~TemporaryHome() { qputenv("HOME", previous); }
    QString path() const { return dir.path(); }
    QString filePath(const QString &name) const { return dir.filePath(name); }
    QString userSettingsFile() const { return dir.path() + "/.vorlix/user.ini"; }

private:
    QTemporaryDir dir;
    QByteArray previous;
};

/// The file's bytes, or nothing if it cannot be read.
inline QByteArray fileContents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

/// Rows of the rule that completes a typed file name with `suffix` (".png", ".obj"): a name
/// that ends in it in any case is kept, any other gets it appended.
inline void addSuffixRows(const QString &suffix)
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("written");
    const QString bare = suffix.mid(1);
    QTest::newRow("no extension gets one") << "a"
                                           << "a" + suffix;
    QTest::newRow("the extension kept") << "a" + suffix << "a" + suffix;
    QTest::newRow("upper-case extension kept") << "a" + suffix.toUpper() << "a" + suffix.toUpper();
    const QString mixed = "." + bare.left(1) + bare.mid(1).toUpper();
    QTest::newRow("mixed-case extension kept") << "a" + mixed << "a" + mixed;
    QTest::newRow("ending in it without a dot kept") << "a" + bare << "a" + bare;
    QTest::newRow("another extension gets one after it") << "a.txt"
                                                         << "a.txt" + suffix;
}

// ---- Modal dialogs ----

/// Answers the modal dialogs that open while it lives, in order, one step each. A step
/// returns whether the dialog was the one it expected; a dialog it did not expect, or one
/// beyond the steps, is named in `unexpected` and rejected, so that no test waits for a
/// person. Steps run from the event loop, apart from the watch, so that a dialog a step
/// opens (the question whether to replace a file) meets the next step.
class DialogScript {
public:
    using Step = std::function<bool(QWidget *)>;

    explicit DialogScript(QList<Step> steps = {}) : steps(std::move(steps))
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
        const Step step = answered < steps.size() ? steps[answered++] : Step();
        QTimer::singleShot(0, &timer, [this, step, watched = QPointer<QWidget>(modal)]() {
            if (!watched || (step && step(watched)))
                return;
            const auto *box = qobject_cast<QMessageBox *>(watched);
            unexpected << QString("%1 %2: %3")
                              .arg(watched->metaObject()->className(), watched->windowTitle(),
                                  box ? box->text() : QString());
            if (auto *dialog = qobject_cast<QDialog *>(watched))
                dialog->reject();
        });
    }

    QList<Step> steps;
    QTimer timer;
    QPointer<QWidget> lastAnswered;
};

/// A step for a dialog of type T.
template<typename T> DialogScript::Step answer(std::function<void(T *)> act)
{
    return [act](QWidget *modal) {
        auto *dialog = qobject_cast<T *>(modal);
        if (dialog)
            act(dialog);
        return dialog != nullptr;
    };
}

/// What a message box showed when it was answered.
struct MessageBoxAnswer {
    bool shown = false;
    QString title;
    QString text;
};

/// A step that records a message box and presses its `button`.
inline DialogScript::Step pressOnMessage(
    MessageBoxAnswer *seen, QMessageBox::StandardButton button = QMessageBox::Ok)
{
    return [seen, button](QWidget *modal) {
        auto *box = qobject_cast<QMessageBox *>(modal);
        QAbstractButton *pressed = box ? box->button(button) : nullptr;
        if (pressed && seen)
            *seen = { true, box->windowTitle(), box->text() };
        if (pressed)
            pressed->click();
        return pressed != nullptr;
    };
}

/// What a file dialog showed when it was answered.
struct FileDialogSeen {
    bool shown = false;
    QString title;
    QString directory;
    QStringList filters;
    QFileDialog::AcceptMode acceptMode = QFileDialog::AcceptOpen;
};

inline void recordFileDialog(const QFileDialog *dialog, FileDialogSeen *seen)
{
    if (seen)
        *seen = { true, dialog->windowTitle(), dialog->directory().absolutePath(),
            dialog->nameFilters(), dialog->acceptMode() };
}

/// A step that enters `name` in a file dialog and accepts it, as a user typing it and
/// pressing Open or Save would. A relative name lands in the dialog's directory.
inline DialogScript::Step chooseFile(const QString &name, FileDialogSeen *seen = nullptr)
{
    return answer<QFileDialog>([name, seen](QFileDialog *dialog) {
        recordFileDialog(dialog, seen);
        // selectFile() alone is not enough: it leaves a focused name field alone, from the
        // second file dialog of a process on it does not always reach the field, and it
        // does not list special files such as sockets. So the name is typed in as well.
        if (QWidget *focused = dialog->focusWidget())
            focused->clearFocus();
        dialog->selectFile(name);
        if (auto *nameField = dialog->findChild<QLineEdit *>("fileNameEdit"))
            nameField->setText(name);
        // QFileDialog's own accept(), protected there: it checks the name as its button
        // does, and asks before replacing a file.
        static_cast<QDialog *>(dialog)->accept();
    });
}

/// A step that cancels a file dialog.
inline DialogScript::Step cancelFile(FileDialogSeen *seen = nullptr)
{
    return answer<QFileDialog>([seen](QFileDialog *dialog) {
        recordFileDialog(dialog, seen);
        dialog->reject();
    });
}

// ---- The main window and its view ----

/// A main window in a private home directory, on screen unless asked otherwise: a window
/// never shown never repaints behind the test's back. A size, if given, is set before the
/// window is first shown.
struct ShownWindow {
    enum Showing { onScreen, offScreen };
    explicit ShownWindow(QSize size = QSize(), Showing showing = onScreen)
    {
        if (size.isValid())
            window.resize(size);
        if (showing == onScreen)
            window.show();
    }
    bool exposed() { return QTest::qWaitForWindowExposed(&window); }
    GLWidget *view() const { return window.glWidget; }
    Ui_MainWindowClass &ui() const { return *window.ui; }
    template<class T> T *child(const char *name) const { return window.findChild<T *>(name); }
    void click(const char *button)
    {
        QTest::mouseClick(child<QAbstractButton>(button), Qt::LeftButton);
    }
    void trigger(const char *action) { child<QAction>(action)->trigger(); }

    TemporaryHome home; // before the window, which reads HOME when it is built
    MainWindow window;
};

/// What one repaint of the view draws: the one place a test reads a frame back. Read
/// from the view's framebuffer, not grabbed, since a grab would draw (and record) again.
inline QImage renderedFrame(GLWidget *view)
{
    view->updateGL();
    view->makeCurrent();
    const qreal ratio = view->devicePixelRatioF();
    QImage frame(int(view->width() * ratio), int(view->height() * ratio), QImage::Format_RGB32);
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    glPixelStorei(GL_PACK_ROW_LENGTH, 0);
    // GL counts rows from the bottom; little-endian 0xAARRGGBB words are B, G, R, A bytes.
    for (int row = 0; row < frame.height(); ++row)
        glReadPixels(0, frame.height() - 1 - row, frame.width(), 1, GL_BGRA, GL_UNSIGNED_BYTE,
            frame.scanLine(row));
    return frame;
}

/// With the named actions checked the frame changes; unchecked again it is the frame from
/// before them, to the pixel.
inline void verifyFrameUnchangedWhenOff(std::initializer_list<const char *> actions)
{
    ShownWindow shown(QSize(900, 700));
    QVERIFY(shown.exposed());
    const QImage before = renderedFrame(shown.view());
    for (bool on : { true, false }) {
        for (const char *name : actions)
            shown.child<QAction>(name)->setChecked(on);
        QCOMPARE(renderedFrame(shown.view()) == before, !on);
    }
}

/// Where the point (x, y) of the view's -1…1 square lands in a frame grabbed from it.
inline QPoint framePixel(const QWidget *view, double x, double y)
{
    const vorlix::Viewport v = vorlix::squareViewport(view->width(), view->height());
    const int column = v.x + int((x + 1) / 2 * v.side);
    const int rowFromBottom = v.y + int((y + 1) / 2 * v.side);
    return QPoint(column, view->height() - 1 - rowFromBottom);
}

// ---- Colours in a frame ----

/// Equal but for rounding: software GL rounds a colour the same way every time; allow for
/// one step in each channel.
inline bool sameColour(QColor a, QColor b)
{
    return qAbs(a.red() - b.red()) <= 2 && qAbs(a.green() - b.green()) <= 2
        && qAbs(a.blue() - b.blue()) <= 2;
}

/// Whether a drawn pixel shows `colour`, however brightly lit. Lighting and shading scale
/// the channels alike, and a faint veil over black is dim, so the channels' proportions
/// to the brightest are compared; a pixel too dark to tell counts as no colour.
inline bool hasColour(QColor seen, QColor colour)
{
    const QVector3D expected(colour.redF(), colour.greenF(), colour.blueF());
    const QVector3D got(seen.redF(), seen.greenF(), seen.blueF());
    return seen.valueF() > 0.08
        && (got / seen.valueF() - expected / colour.valueF()).length() < 0.2f;
}

/// Whether the colour shows within three pixels of the point.
inline bool showsNear(const QImage &frame, QPoint at, QColor colour)
{
    for (int i = 0; i < 49; ++i)
        if (hasColour(frame.pixelColor(at + QPoint(i % 7 - 3, i / 7 - 3)), colour))
            return true;
    return false;
}

/// How many pixels of the region pass the test.
inline int countPixels(
    const QImage &frame, const QRect &region, const std::function<bool(QColor)> &test)
{
    int count = 0;
    for (int y = region.top(); y <= region.bottom(); ++y)
        for (int x = region.left(); x <= region.right(); ++x)
            count += test(frame.pixelColor(x, y));
    return count;
}

/// How many pixels of the region show the colour.
inline int countColour(const QImage &frame, const QRect &region, QColor colour)
{
    return countPixels(frame, region, [colour](QColor c) { return hasColour(c, colour); });
}

/// The marker's arrows: one channel at full strength over two at 0.3.
const QColor markerRed = QColor::fromRgbF(1, 0.3, 0.3);
const QColor markerGreen = QColor::fromRgbF(0.3, 1, 0.3);
const QColor markerBlue = QColor::fromRgbF(0.3, 0.3, 1);

// ---- Mouse input ----
// Sent through the window, as the windowing system delivers it: the press grabs the
// mouse, and moves reach the widget only while a button is held.

inline void drag(QWidget *target, QPoint from, const QVector<QPoint> &path)
{
    QWidget *top = target->window();
    QWindow *window = top->windowHandle();
    QTest::mousePress(window, Qt::LeftButton, Qt::NoModifier, target->mapTo(top, from));
    for (const QPoint &p : path)
        QTest::mouseMove(window, target->mapTo(top, p));
    QTest::mouseRelease(window, Qt::LeftButton, Qt::NoModifier, target->mapTo(top, path.last()));
}

inline void clickThroughWindow(QWidget *target, QPoint at)
{
    QWidget *top = target->window();
    QTest::mouseClick(top->windowHandle(), Qt::LeftButton, Qt::NoModifier, target->mapTo(top, at));
}

// ---- Failing writes ----

/// Lets no file grow beyond `bytes` while it lives: writes past it fail with EFBIG, as on
/// a full disk, instead of SIGXFSZ ending the test.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &previous);
        previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limited { bytes, previous.rlim_max };
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &previous);
        std::signal(SIGXFSZ, previousHandler);
    }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

private:
    rlimit previous {};
    void (*previousHandler)(int) = nullptr;
};

#endif
