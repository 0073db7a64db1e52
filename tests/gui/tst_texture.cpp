// SPDX-License-Identifier: GPL-3.0-or-later
#include "glwidget.h"
#include "mainwindow.h"
#include "testsupport.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QImage>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <algorithm>
#include <cmath>
#include <memory>

namespace {

// The view shows the square -1…1; the body is drawn scaled by the constructor's zoom.
constexpr double sphereRadius = 0.5;
constexpr double startZoom = 0.7;

/// A picture whose left half is `left` and right half `right`. Pixels are set one by one:
/// painting would premultiply, and blacken, a transparent colour.
QImage halves(QColor left, QColor right)
{
    QImage image(64, 32, QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, (x < image.width() / 2 ? left : right).rgba());
    return image;
}

/// The pixels of a square frame that show the sphere's surface: the central part of its
/// disc, where neither its rim nor any arm of the marker can appear.
QList<QColor> sphereSurface(const QImage &frame)
{
    const double centre = frame.width() / 2.0;
    const double discRadius = sphereRadius * startZoom * centre;
    QList<QColor> colours;
    for (int y = 0; y < frame.height(); ++y)
        for (int x = 0; x < frame.width(); ++x)
            if (std::hypot(x + 0.5 - centre, y + 0.5 - centre) < 0.8 * discRadius)
                colours.append(frame.pixelColor(x, y));
    return colours;
}

/// The pixels straight above the sphere, where the marker's green Y arm stands.
QList<QColor> aboveTheSphere(const QImage &frame)
{
    const int centre = frame.width() / 2;
    QList<QColor> colours;
    for (int y = int(centre * (1 - 0.7)); y < int(centre * (1 - 0.45)); ++y)
        for (int x = centre - 2; x <= centre + 2; ++x)
            colours.append(frame.pixelColor(x, y));
    return colours;
}

int countOf(const QList<QColor> &colours, QColor colour)
{
    return int(std::count_if(
        colours.cbegin(), colours.cend(), [colour](QColor c) { return hasColour(c, colour); }));
}

/// A bare view with the given body names, on screen and drawn once.
struct ShownView {
    ShownView(const char *body, const QString &texture) : view(body, texture)
    {
        view.inertiaX = view.inertiaY = view.inertiaZ = view.inertiaMin = 1;
        view.resize(240, 240);
        view.show();
    }
    QImage frame() { return renderedFrame(&view); }
    GLWidget view;
};

} // namespace

class TestTexture : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(files.isValid());
        QVERIFY2(QFile::exists("arrow.obj3"), "run beside the program's data files");
    }
    void init() { w = std::make_unique<ShownWindow>(QSize(), ShownWindow::offScreen); }
    void cleanup() { w.reset(); }

    void sphereShowsTheImage_data()
    {
        QTest::addColumn<QImage>("image");
        QTest::addColumn<bool>("blendingLeftOn");
        QTest::addColumn<bool>("redShown");
        QTest::addColumn<bool>("blueShown");

        QTest::newRow("red and blue halves") << halves(Qt::red, Qt::blue) << false << true << true;
        // The ellipsoid, once drawn, leaves blending on for later frames: a kept alpha of 0
        // would let the background through the body.
        QTest::newRow("transparent picture drawn opaque")
            << halves(QColor(255, 0, 0, 0), QColor(255, 0, 0, 0)) << true << true << false;
    }
    void sphereShowsTheImage()
    {
        QFETCH(QImage, image);
        QFETCH(bool, blendingLeftOn);
        QFETCH(bool, redShown);
        QFETCH(bool, blueShown);
        ShownView shown("", writeImage("picture.png", image));
        QVERIFY(QTest::qWaitForWindowExposed(&shown.view));
        shown.view.showEllipsoid = blendingLeftOn;
        shown.frame();
        shown.view.showEllipsoid = false;

        const QList<QColor> surface = sphereSurface(shown.frame());

        // Each half of the picture covers about half the sphere's front.
        const int quarter = surface.size() / 4;
        QCOMPARE(countOf(surface, Qt::red) > quarter, redShown);
        QCOMPARE(countOf(surface, Qt::blue) > quarter, blueShown);
        QCOMPARE(countOf(surface, Qt::white), 0);
    }
    void unreadableImageGivesWhiteSphere_data()
    {
        QTest::addColumn<QString>("imageFile");
        QTest::newRow("missing file") << "/nonexistent.png";
        QTest::newRow("text file") << writeFile("notes.png", "not a picture\n");
        QTest::newRow("empty name") << "";
    }
    void unreadableImageGivesWhiteSphere()
    {
        QFETCH(QString, imageFile);
        ShownView shown("", imageFile);
        QVERIFY(QTest::qWaitForWindowExposed(&shown.view));

        const QList<QColor> surface = sphereSurface(shown.frame());

        QVERIFY(!surface.isEmpty());
        QCOMPARE(countOf(surface, Qt::white), surface.size());
    }
    void markerIsNotTextured()
    {
        ShownView shown("", writeImage("picture.png", halves(Qt::red, Qt::blue)));
        QVERIFY(QTest::qWaitForWindowExposed(&shown.view));

        const QList<QColor> arm = aboveTheSphere(shown.frame());

        QVERIFY(countOf(arm, markerGreen) > 0);
        QCOMPARE(countOf(arm, Qt::red) + countOf(arm, Qt::blue), 0);
    }

    void loadingAnImageMakesTheSphereTheBody()
    {
        const QString picture = writeImage("globe.png", halves(Qt::red, Qt::blue));
        startSimulation();
        const QPointer<GLWidget> oldView = w->window.glWidget;

        FileDialogSeen dialog;
        const DialogScript script({ chooseFile(picture, &dialog) });
        w->trigger("actionLoad_texture");

        QVERIFY(dialog.shown);
        QCOMPARE(dialog.title, QString("Select image for texture"));
        QCOMPARE(dialog.directory, QDir::current().absolutePath());
        QCOMPARE(dialog.filters,
            QStringList({ "Images (*.bmp *.gif *.jpg *.jpeg *.png *.pbm *.pgm *.ppm "
                          "*.tiff *.xbm *.xpm)",
                "All files (*.*)" }));
        QCOMPARE(dialog.acceptMode, QFileDialog::AcceptOpen);
        QVERIFY(oldView.isNull());
        QVERIFY(w->window.bodyFileName.isEmpty());
        QCOMPARE(w->window.textureFileName, picture);
        QVERIFY(w->window.glWidget->bodyFileName.isEmpty());
        QCOMPARE(w->window.glWidget->textureFileName, picture);
        QCOMPARE(w->window.messageLabel->text(), "<small>texture " + picture + " loaded</small>");
        verifyStopped();
    }
    void fileThatIsNoImageIsRefused_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::newRow("text file") << QByteArray("Just some words.\n");
        QTest::newRow("empty file") << QByteArray();
        QTest::newRow("damaged picture")
            << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\0\0\0\x40\0\0\0\x20\x08\x06", 24);
    }
    void fileThatIsNoImageIsRefused()
    {
        QFETCH(QByteArray, contents);
        const QString path = writeFile("refused.png", contents);
        startSimulation();
        const QPointer<GLWidget> oldView = w->window.glWidget;

        MessageBoxAnswer warning;
        const DialogScript script({ chooseFile(path), pressOnMessage(&warning) });
        w->trigger("actionLoad_texture");

        QVERIFY(warning.shown);
        QCOMPARE(warning.title, QString("Warning"));
        QCOMPARE(warning.text, "Can't open " + path);
        QCOMPARE(w->window.glWidget, oldView.data());
        QCOMPARE(w->window.bodyFileName, QByteArray("cylinder.obj"));
        QCOMPARE(w->window.textureFileName, QString());
        QCOMPARE(w->window.messageLabel->text(), QString());
        verifyStopped();
    }
    void cancelKeepsTheBodyAndStopsTheSimulation()
    {
        startSimulation();
        const QPointer<GLWidget> oldView = w->window.glWidget;

        FileDialogSeen dialog;
        const DialogScript script({ cancelFile(&dialog) });
        w->trigger("actionLoad_texture");

        QVERIFY(dialog.shown);
        QCOMPARE(w->window.glWidget, oldView.data());
        QCOMPARE(w->window.bodyFileName, QByteArray("cylinder.obj"));
        QCOMPARE(w->window.textureFileName, QString());
        QCOMPARE(
            w->ui().pushButton->styleSheet(), QString("* { background-color: rgb(170,255,127) }"));
        verifyStopped();
    }
    void textureAndMeshLoadersReplaceEachOther()
    {
        const QString picture = writeImage("globe.png", halves(Qt::red, Qt::blue));
        const QString mesh = QDir::current().absoluteFilePath("cylinder.obj");
        const DialogScript script({ chooseFile(picture), chooseFile(mesh), chooseFile(picture) });

        w->trigger("actionLoad_texture");
        QCOMPARE(w->window.textureFileName, picture);

        w->trigger("actionLoad_triangulated_OBJ");
        QCOMPARE(w->window.bodyFileName, mesh.toUtf8());
        QCOMPARE(w->window.textureFileName, QString());
        QCOMPARE(w->window.glWidget->textureFileName, QString());

        w->trigger("actionLoad_texture");
        QVERIFY(w->window.bodyFileName.isEmpty());
        QVERIFY(w->window.glWidget->bodyFileName.isEmpty());
        QCOMPARE(w->window.textureFileName, picture);
    }

private:
    QString writeFile(const QString &name, const QByteArray &bytes) const
    {
        QFile file(files.filePath(name));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qWarning("cannot write the test file %s", qPrintable(name));
        return file.fileName();
    }
    QString writeImage(const QString &name, const QImage &image) const
    {
        const QString path = files.filePath(name);
        if (!image.save(path))
            qWarning("cannot write the test image %s", qPrintable(name));
        return path;
    }
    void startSimulation()
    {
        w->ui().pushButton->click();
        QVERIFY(w->window.fpsTimer->isActive());
        QVERIFY(w->window.glWidget->timer->isActive());
    }
    void verifyStopped() const
    {
        QVERIFY(!w->window.fpsTimer->isActive());
        QVERIFY(!w->window.glWidget->timer->isActive());
        QCOMPARE(w->window.glWidget->pauseState, 0);
        QCOMPARE(w->ui().pushButton->text(), QString("Start"));
    }

    QTemporaryDir files;
    std::unique_ptr<ShownWindow> w;
};

QTEST_MAIN(TestTexture)
#include "tst_texture.moc"
