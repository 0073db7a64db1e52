#ifndef VORLIX_TESTSUPPORT_H
#define VORLIX_TESTSUPPORT_H

// Helpers shared by the GUI tests: a private home directory, answers to the modal
// dialogs the program opens (so that no test ever waits for a person), a main window on
// screen, mouse input as the windowing system delivers it, and writes that fail.

#include "glwidget.h"
#include "mainwindow.h"
#include "scenegeometry.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDeadlineTimer>
#include <QFileDialog>
#include <QImage>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QVector>
#include <QWidget>
#include <QWindow>
#include <csignal>
#include <functional>
#include <sys/resource.h>

// ---- Private home directory ----

/// Points HOME at a fresh empty directory for the object's lifetime. Create it before
/// the MainWindow, which reads QDir::homePath() when it is constructed.
class TemporaryHome {
public:
    TemporaryHome() : previous(qgetenv("HOME")) { qputenv("HOME", dir.path().toLocal8Bit()); }
    ~TemporaryHome() { qputenv("HOME", previous); }
    QString path() const { return dir.path(); }
    QString userSettingsFile() const { return dir.path() + "/.vorlix/user.ini"; }

private:
    QTemporaryDir dir;
    QByteArray previous;
};

// ---- Modal dialogs ----

/// Calls `answer` with the next modal widget that opens (within ten seconds). Set it up
/// before the call that opens the dialog; the answer runs inside the dialog's own loop.
inline void onNextModal(std::function<void(QWidget *)> answer)
{
    auto *timer = new QTimer(qApp);
    const QDeadlineTimer deadline(10000);
    QObject::connect(timer, &QTimer::timeout, [timer, deadline, answer]() {
        QWidget *modal = QApplication::activeModalWidget();
        if (modal || deadline.hasExpired()) {
            timer->stop();
            timer->deleteLater();
            if (modal)
                answer(modal);
        }
    });
    timer->start(20);
}

/// Closes the next message box with Ok and records its title and text.
struct MessageBoxAnswer {
    bool shown = false;
    QString title;
    QString text;
};

inline void acceptNextMessageBox(MessageBoxAnswer *seen)
{
    onNextModal([seen](QWidget *modal) {
        auto *box = qobject_cast<QMessageBox *>(modal);
        if (!box)
            return;
        seen->shown = true;
        seen->title = box->windowTitle();
        seen->text = box->text();
        box->accept();
    });
}

// ---- File dialogs ----

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

/// Enters `name` and accepts it, as a user typing it and pressing Open or Save would.
/// A relative name lands in the dialog's directory.
inline void chooseFile(QFileDialog *dialog, const QString &name)
{
    // selectFile() alone is not enough: it leaves a focused name field alone, from the
    // second file dialog of a process on it does not always reach the field, and it does
    // not list special files such as sockets. So the name is typed in as well.
    if (QWidget *focused = dialog->focusWidget())
        focused->clearFocus();
    dialog->selectFile(name);
    if (auto *nameField = dialog->findChild<QLineEdit *>("fileNameEdit"))
        nameField->setText(name);
    // QFileDialog's own accept(), protected there: it checks the name as its button does,
    // and asks before replacing a file.
    static_cast<QDialog *>(dialog)->accept();
}

/// Answers the next file dialog with `name`. `beforeAccepting` runs while the dialog is
/// still open: the place to set up the answer to a dialog that accepting opens (a warning,
/// the question whether to replace a file); set up any earlier, that answer would meet the
/// file dialog first. Any other dialog that comes first is rejected, so that the test
/// fails instead of hanging.
inline void chooseInNextFileDialog(
    const QString &name, FileDialogSeen *seen = nullptr, std::function<void()> beforeAccepting = {})
{
    onNextModal([name, seen, beforeAccepting](QWidget *modal) {
        auto *dialog = qobject_cast<QFileDialog *>(modal);
        if (!dialog) {
            if (auto *other = qobject_cast<QDialog *>(modal))
                other->reject();
            return;
        }
        recordFileDialog(dialog, seen);
        if (beforeAccepting)
            beforeAccepting();
        chooseFile(dialog, name);
    });
}

/// Cancels the next file dialog, or whatever dialog comes instead of it.
inline void cancelNextFileDialog(FileDialogSeen *seen = nullptr)
{
    onNextModal([seen](QWidget *modal) {
        if (auto *dialog = qobject_cast<QFileDialog *>(modal))
            recordFileDialog(dialog, seen);
        if (auto *dialog = qobject_cast<QDialog *>(modal))
            dialog->reject();
    });
}

// ---- The main window and its view ----

/// A main window on screen in a private home directory. A size, if given, is set before
/// the window is first shown.
struct ShownWindow {
    explicit ShownWindow(QSize size = QSize())
    {
        if (size.isValid())
            window.resize(size);
        window.show();
    }
    bool exposed() { return QTest::qWaitForWindowExposed(&window); }
    GLWidget *view() const { return window.glWidget; }
    template<class T> T *child(const char *name) const { return window.findChild<T *>(name); }
    void click(const char *button)
    {
        QTest::mouseClick(child<QAbstractButton>(button), Qt::LeftButton);
    }

    TemporaryHome home; // before the window, which reads HOME when it is built
    MainWindow window;
};

/// The frame the view drew last, read from its framebuffer without drawing it again
/// (which would record another trace point).
inline QImage viewFrame(GLWidget *view)
{
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

/// Where the point (x, y) of the view's -1…1 square lands in a frame grabbed from it.
inline QPoint framePixel(const QWidget *view, double x, double y)
{
    const vorlix::Viewport v = vorlix::squareViewport(view->width(), view->height());
    const int column = v.x + int((x + 1) / 2 * v.side);
    const int rowFromBottom = v.y + int((y + 1) / 2 * v.side);
    return QPoint(column, view->height() - 1 - rowFromBottom);
}

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
