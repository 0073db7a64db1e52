#ifndef VORLIX_TESTSUPPORT_H
#define VORLIX_TESTSUPPORT_H

// Helpers shared by the GUI tests: a private home directory, and answering the modal
// dialogs the program opens, so that no test ever waits for a person.

#include <QApplication>
#include <QDeadlineTimer>
#include <QMessageBox>
#include <QPointer>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>
#include <functional>

/// Points HOME at a fresh empty directory for the object's lifetime. Create it before
/// the MainWindow, which reads QDir::homePath() when it is constructed.
class TemporaryHome
{
public:
    TemporaryHome() : previous(qgetenv("HOME")) { qputenv("HOME", dir.path().toLocal8Bit()); }
    ~TemporaryHome() { qputenv("HOME", previous); }
    QString path() const { return dir.path(); }
    QString userSettingsFile() const { return dir.path() + "/.vorlix/user.ini"; }

private:
    QTemporaryDir dir;
    QByteArray previous;
};

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

#endif
