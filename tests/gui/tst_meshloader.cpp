// SPDX-License-Identifier: GPL-3.0-or-later
#include "buttonstyles.h"
#include "glwidget.h"
#include "mainwindow.h"
#include "testsupport.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QVBoxLayout>
#include <QtTest>

namespace {

QPushButton *startButton(const ShownWindow &shown)
{
    return shown.child<QPushButton>("pushButton");
}

void triggerLoad(ShownWindow &shown)
{
    shown.trigger("actionLoad_triangulated_OBJ");
}

bool writeFile(const QString &path, const QByteArray &contents)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size();
}

// A corner of the first octant: drawn at zoom 0.7 it covers x, y ≥ 0, x + y ≤ 0.35 of
// the view's square, where the start-up cylinder (|x| ≤ 0.35, |y| ≤ 0.63) is too.
const QByteArray tetrahedron = "# four faces\n"
                               "v 0 0 0\nv 0.5 0 0\nv 0 0.5 0\nv 0 0 0.5\n"
                               "f 1 3 2\nf 1 2 4\nf 1 4 3\nf 2 3 4\n";

/// The colour at the point (x, y) of the view's -1…1 square in a freshly drawn frame.
QColor drawnColour(GLWidget *view, double x, double y)
{
    return renderedFrame(view).pixelColor(framePixel(view, x, y));
}

} // namespace

class TestMeshLoader : public QObject {
    Q_OBJECT

private slots:
    void loadReplacesTheView_data()
    {
        QTest::addColumn<QString>("fileName"); // of a tetrahedron
        QTest::newRow("tetrahedron") << "tetra.obj";
        QTest::newRow("blanks in the path") << "my meshes/a tetra.obj";
        QTest::newRow("non-ASCII path") << QString::fromUtf8("сетки/тетраэдр.obj");
        QTest::newRow("body named like the marker") << "arrow.obj3";
    }

    void loadReplacesTheView()
    {
        QFETCH(QString, fileName);

        QTemporaryDir meshes;
        const QString path = meshes.filePath(fileName);
        QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
        QVERIFY(writeFile(path, tetrahedron));

        ShownWindow shown;
        MainWindow &window = shown.window;
        QVERIFY(shown.exposed());
        window.findChild<QCheckBox *>("Ell")->setChecked(false);
        window.textureFileName = "left over from a texture.png";
        window.findChild<QDoubleSpinBox *>("Ix")->setValue(2.5);
        const QPointer<GLWidget> oldView = window.glWidget;

        FileDialogSeen dialog;
        const DialogScript script({ chooseFile(path, &dialog) });
        triggerLoad(shown);

        QVERIFY(dialog.shown);
        QCOMPARE(dialog.title, QString("Open triangulated OBJ"));
        QCOMPARE(dialog.directory, QDir::currentPath());
        QCOMPARE(dialog.filters, QStringList({ "3D Objects *.obj (*.obj)", "All files (*.*)" }));
        QCOMPARE(dialog.acceptMode, QFileDialog::AcceptOpen);

        QVERIFY(oldView.isNull());
        GLWidget *view = window.glWidget;
        QVERIFY(view);
        QCOMPARE(window.bodyFileName, path.toUtf8());
        QCOMPARE(window.textureFileName, QString());
        QCOMPARE(view->bodyFileName, path.toUtf8());
        QCOMPARE(view->textureFileName, QString());
        QVERIFY(window.findChild<QVBoxLayout *>("verticalLayout_2")->indexOf(view) >= 0);
        QCOMPARE(view->backgroundColor, window.backgroundColor);
        QCOMPARE(view->inertiaX, 2.5);
        QCOMPARE(window.messageLabel->text(), "<small>object " + path + " loaded</small>");

        // The mesh is read when the new view is first initialised, and it opens: no warning.
        QTRY_VERIFY(view->bodyList != 0);
        const QColor background = view->backgroundColor;
        QCOMPARE(drawnColour(view, -0.2, -0.3), background);
        const QColor inside = drawnColour(view, 0.1, 0.1);
        QVERIFY2(inside != background && hasColour(inside, Qt::gray), qPrintable(inside.name()));
        // Drawn once: no turned copies as the marker has.
        QCOMPARE(drawnColour(view, 0.1, -0.1), background);
        QCOMPARE(drawnColour(view, -0.1, 0.1), background);
        QVERIFY2(script.unexpected.isEmpty(), qPrintable(script.unexpected.join(", ")));
    }

    void fileWithoutTrianglesIsRefused_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::newRow("no faces") << QByteArray("v 0 0 0\nv 1 1 1\n");
        QTest::newRow("empty file") << QByteArray();
        QTest::newRow("text") << QByteArray("Just some words.\nfour five six\n");
        QTest::newRow("random bytes")
            << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\xf1\x7f\x03v\n", 21);
    }

    void fileWithoutTrianglesIsRefused()
    {
        QFETCH(QByteArray, contents);
        QTemporaryDir meshes;
        const QString path = meshes.filePath("nothing.obj");
        QVERIFY(writeFile(path, contents));
        ShownWindow shown;
        QVERIFY(shown.exposed());
        shown.window.messageLabel->setText("earlier message");
        const QPointer<GLWidget> oldView = shown.window.glWidget;

        MessageBoxAnswer warning;
        const DialogScript script({ chooseFile(path), pressOnMessage(&warning) });
        triggerLoad(shown);

        QVERIFY(warning.shown);
        QCOMPARE(warning.title, QString("Warning"));
        QCOMPARE(warning.text, "No triangles in " + path);
        QCOMPARE(shown.window.glWidget, oldView.data());
        QCOMPARE(shown.window.bodyFileName, QByteArray("cylinder.obj"));
        QCOMPARE(shown.window.messageLabel->text(), QString("earlier message"));
    }

    void loadStopsTheSimulation_data()
    {
        QTest::addColumn<QString>("state");
        QTest::addColumn<bool>("choose");

        for (const char *state : { "stopped", "running", "paused by Space" }) {
            QTest::newRow(QByteArray(state) + ", cancelled") << state << false;
            QTest::newRow(QByteArray(state) + ", file chosen") << state << true;
        }
    }

    void loadStopsTheSimulation()
    {
        QFETCH(QString, state);
        QFETCH(bool, choose);

        QTemporaryDir meshes;
        const QString path = meshes.filePath("tetra.obj");
        QVERIFY(writeFile(path, tetrahedron));

        ShownWindow shown;
        MainWindow &window = shown.window;
        QVERIFY(shown.exposed());
        if (state != "stopped")
            QTest::mouseClick(startButton(shown), Qt::LeftButton);
        if (state == "paused by Space")
            QTest::keyClick(window.glWidget, Qt::Key_Space);
        QCOMPARE(window.glWidget->timer->isActive(), state == "running");
        window.messageLabel->setText("earlier message");
        // Watched, not compared by address: the new view may be allocated where the old was.
        const QPointer<GLWidget> oldView = window.glWidget;
        const QByteArray oldBody = window.bodyFileName;

        FileDialogSeen dialog;
        const DialogScript script({ choose ? chooseFile(path, &dialog) : cancelFile(&dialog) });
        triggerLoad(shown);
        QVERIFY(dialog.shown);

        QCOMPARE(startButton(shown)->text(), QString("Start"));
        QCOMPARE(startButton(shown)->styleSheet(), QString(ButtonStyle::idle));
        QVERIFY(!window.fpsTimer->isActive());
        QVERIFY(!window.glWidget->timer->isActive());
        QCOMPARE(window.glWidget->pauseState, 0);
        if (choose) {
            QVERIFY(oldView.isNull());
            QCOMPARE(window.bodyFileName, path.toUtf8());
        } else {
            QCOMPARE(window.glWidget, oldView.data());
            QCOMPARE(window.bodyFileName, oldBody);
            QCOMPARE(window.messageLabel->text(), QString("earlier message"));
        }
    }
};

QTEST_MAIN(TestMeshLoader)
#include "tst_meshloader.moc"
