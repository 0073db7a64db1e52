// SPDX-License-Identifier: GPL-3.0-or-later
#include "glwidget.h"
#include "mainwindow.h"
#include "testsupport.h"
#include "ui_mainwindowclass.h"

#include <QLabel>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// A 2 × 1 × 0.5 box, outward-facing quads, its centre moved to x = 0.3: its moments are
// proportional to 1² + 0.5², 2² + 0.5², 2² + 1², i.e. 1 : 3.4 : 4.
QByteArray movedBox()
{
    QByteArray text;
    for (int i = 0; i < 8; ++i)
        text += QString("v %1 %2 %3\n")
                    .arg(0.3 + (i & 1 ? 1 : -1))
                    .arg(i & 2 ? 0.5 : -0.5)
                    .arg(i & 4 ? 0.25 : -0.25)
                    .toUtf8();
    return text + "f 1 5 7 3\nf 2 4 8 6\nf 1 2 6 5\nf 3 7 8 4\nf 1 3 4 2\nf 5 6 8 7\n";
}

} // namespace

class TestMomentsAction : public QObject {
    Q_OBJECT

private slots:
    void boxGetsItsMomentsAndIsCentred()
    {
        QTemporaryDir dir;
        QFile file(dir.filePath("box.obj"));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(movedBox()) > 0);
        file.close();
        ShownWindow shown;
        QVERIFY(shown.exposed());
        const DialogScript script({ chooseFile(file.fileName()) });
        shown.trigger("actionLoad_triangulated_OBJ");
        QTRY_COMPARE(shown.window.bodyMesh().triangleCount(), 12);

        shown.child<QAction>("actionMoments_from_body")->trigger();
        Ui_MainWindowClass &ui = *shown.window.ui;
        QCOMPARE(ui.Ix->value(), 1.0);
        QCOMPARE(ui.Iy->value(), 3.4);
        QCOMPARE(ui.Iz->value(), 4.0);
        QCOMPARE(shown.view()->inertiaY, 3.4);
        // Moved back by its offset (read as floats), not turned: its axes are already principal.
        QVERIFY(std::abs(shown.view()->bodyPlacement[12] + 0.3) < 1e-6);
        QCOMPARE(shown.window.messageLabel->text(),
            QString("<small>Moments from the body: 1, 3.4, 4 (solid); moved 0.3 and turned 0° "
                    "into its principal axes</small>"));
    }
};

QTEST_MAIN(TestMomentsAction)
#include "tst_momentsaction.moc"
