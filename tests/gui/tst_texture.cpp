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

bool isRed(QColor c)
{
    return c.red() > 60 && c.red() > 3 * c.green() && c.red() > 3 * c.blue();
}

bool isBlue(QColor c)
{
    return c.blue() > 60 && c.blue() > 3 * c.red() && c.blue() > 3 * c.green();
}

bool isGreen(QColor c)
{
    return c.green() > 60 && c.green() > 2 * c.red() && c.green() > 2 * c.blue();
}

/// Lit white: the three channels alike, and well above the black background.
bool isWhiteish(QColor c)
{
    const int spread
        = qMax(c.red(), qMax(c.green(), c.blue())) - qMin(c.red(), qMin(c.green(), c.blue()));
    return spread <= 12 && c.green() > 50;
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

int countOf(const QList<QColor> &colours, bool (*test)(QColor))
{
    return int(std::count_if(colours.cbegin(), colours.cend(), test));
}

/// A bare view with the given body names, on screen and drawn once.
struct ShownView {
    ShownView(const char *body, const QString &texture) : view(body, texture)
    {
        view.inertiaX = view.inertiaY = view.inertiaZ = view.inertiaMin = 1;
        view.resize(240, 240);
        view.show();
    }
    QImage frame()
    {
        view.updateGL();
        return viewFrame(&view);
    }
    GLWidget view;
};

} // namespace

class TestTexture : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void sphereShowsTheImage_data();
    void sphereShowsTheImage();
    void unreadableImageGivesWhiteSphere_data();
    void unreadableImageGivesWhiteSphere();
    void markerIsNotTextured();

    void loadingAnImageMakesTheSphereTheBody();
    void fileThatIsNoImageIsRefused_data();
    void fileThatIsNoImageIsRefused();
    void cancelKeepsTheBodyAndStopsTheSimulation();
    void textureAndMeshLoadersReplaceEachOther();

private:
    QString writeFile(const QString &name, const QByteArray &bytes) const;
    QString writeImage(const QString &name, const QImage &image) const;
    void startSimulation();
    void verifyStopped() const;
    void trigger(const char *action) { window->findChild<QAction *>(action)->trigger(); }

    QTemporaryDir files;
    std::unique_ptr<TemporaryHome> home;
    std::unique_ptr<MainWindow> window;
};

void TestTexture::initTestCase()
{
    QVERIFY(files.isValid());
    QVERIFY2(QFile::exists("arrow.obj3"), "run beside the program's data files");
}

void TestTexture::init()
{
    home = std::make_unique<TemporaryHome>();
    window = std::make_unique<MainWindow>();
}

void TestTexture::cleanup()
{
    window.reset();
    home.reset();
}

QString TestTexture::writeFile(const QString &name, const QByteArray &bytes) const
{
    QFile file(files.filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qWarning("cannot write the test file %s", qPrintable(name));
    return file.fileName();
}

QString TestTexture::writeImage(const QString &name, const QImage &image) const
{
    const QString path = files.filePath(name);
    if (!image.save(path))
        qWarning("cannot write the test image %s", qPrintable(name));
    return path;
}

void TestTexture::startSimulation()
{
    window->findChild<QPushButton *>("pushButton")->click();
    QVERIFY(window->fpsTimer->isActive());
    QVERIFY(window->glWidget->timer->isActive());
}

void TestTexture::verifyStopped() const
{
    QVERIFY(!window->fpsTimer->isActive());
    QVERIFY(!window->glWidget->timer->isActive());
    QCOMPARE(window->glWidget->pauseState, 0);
    QCOMPARE(window->findChild<QPushButton *>("pushButton")->text(), QString("Start"));
}

void TestTexture::sphereShowsTheImage_data()
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

void TestTexture::sphereShowsTheImage()
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
    QCOMPARE(countOf(surface, isRed) > quarter, redShown);
    QCOMPARE(countOf(surface, isBlue) > quarter, blueShown);
    QCOMPARE(countOf(surface, isWhiteish), 0);
}

void TestTexture::unreadableImageGivesWhiteSphere_data()
{
    QTest::addColumn<QString>("imageFile");
    QTest::newRow("missing file") << "/nonexistent.png";
    QTest::newRow("text file") << writeFile("notes.png", "not a picture\n");
    QTest::newRow("empty name") << "";
}

void TestTexture::unreadableImageGivesWhiteSphere()
{
    QFETCH(QString, imageFile);
    ShownView shown("", imageFile);
    QVERIFY(QTest::qWaitForWindowExposed(&shown.view));

    const QList<QColor> surface = sphereSurface(shown.frame());

    QVERIFY(!surface.isEmpty());
    QCOMPARE(countOf(surface, isWhiteish), surface.size());
}

void TestTexture::markerIsNotTextured()
{
    ShownView shown("", writeImage("picture.png", halves(Qt::red, Qt::blue)));
    QVERIFY(QTest::qWaitForWindowExposed(&shown.view));

    const QList<QColor> arm = aboveTheSphere(shown.frame());

    QVERIFY(countOf(arm, isGreen) > 0);
    QCOMPARE(countOf(arm, isRed) + countOf(arm, isBlue), 0);
}

void TestTexture::loadingAnImageMakesTheSphereTheBody()
{
    const QString picture = writeImage("globe.png", halves(Qt::red, Qt::blue));
    startSimulation();
    const QPointer<GLWidget> oldView = window->glWidget;

    FileDialogSeen dialog;
    chooseInNextFileDialog(picture, &dialog);
    trigger("actionLoad_texture");

    QVERIFY(dialog.shown);
    QCOMPARE(dialog.title, QString("Select image for texture"));
    QCOMPARE(dialog.directory, QDir::current().absolutePath());
    QCOMPARE(dialog.filters,
        QStringList({ "Images (*.bmp *.gif *.jpg *.jpeg *.png *.pbm *.pgm *.ppm "
                      "*.tiff *.xbm *.xpm)",
            "All files (*.*)" }));
    QCOMPARE(dialog.acceptMode, QFileDialog::AcceptOpen);
    QVERIFY(oldView.isNull());
    QVERIFY(window->bodyFileName.isEmpty());
    QCOMPARE(window->textureFileName, picture);
    QVERIFY(window->glWidget->bodyFileName.isEmpty());
    QCOMPARE(window->glWidget->textureFileName, picture);
    QCOMPARE(window->messageLabel->text(), "<small>texture " + picture + " loaded</small>");
    verifyStopped();
}

void TestTexture::fileThatIsNoImageIsRefused_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::newRow("text file") << QByteArray("Just some words.\n");
    QTest::newRow("empty file") << QByteArray();
    QTest::newRow("damaged picture")
        << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\0\0\0\x40\0\0\0\x20\x08\x06", 24);
}

void TestTexture::fileThatIsNoImageIsRefused()
{
    QFETCH(QByteArray, contents);
    const QString path = writeFile("refused.png", contents);
    startSimulation();
    const QPointer<GLWidget> oldView = window->glWidget;

    MessageBoxAnswer warning;
    chooseInNextFileDialog(path, nullptr, [&warning] { acceptNextMessageBox(&warning); });
    trigger("actionLoad_texture");

    QVERIFY(warning.shown);
    QCOMPARE(warning.title, QString("Warning"));
    QCOMPARE(warning.text, "Can't open " + path);
    QCOMPARE(window->glWidget, oldView.data());
    QCOMPARE(window->bodyFileName, QByteArray("cylinder.obj"));
    QCOMPARE(window->textureFileName, QString());
    QCOMPARE(window->messageLabel->text(), QString());
    verifyStopped();
}

void TestTexture::cancelKeepsTheBodyAndStopsTheSimulation()
{
    startSimulation();
    const QPointer<GLWidget> oldView = window->glWidget;

    FileDialogSeen dialog;
    cancelNextFileDialog(&dialog);
    trigger("actionLoad_texture");

    QVERIFY(dialog.shown);
    QCOMPARE(window->glWidget, oldView.data());
    QCOMPARE(window->bodyFileName, QByteArray("cylinder.obj"));
    QCOMPARE(window->textureFileName, QString());
    QCOMPARE(window->findChild<QPushButton *>("pushButton")->styleSheet(),
        QString("* { background-color: rgb(170,255,127) }"));
    verifyStopped();
}

void TestTexture::textureAndMeshLoadersReplaceEachOther()
{
    const QString picture = writeImage("globe.png", halves(Qt::red, Qt::blue));
    const QString mesh = QDir::current().absoluteFilePath("cylinder.obj");

    chooseInNextFileDialog(picture);
    trigger("actionLoad_texture");
    QCOMPARE(window->textureFileName, picture);

    chooseInNextFileDialog(mesh);
    trigger("actionLoad_triangulated_OBJ");
    QCOMPARE(window->bodyFileName, mesh.toUtf8());
    QCOMPARE(window->textureFileName, QString());
    QCOMPARE(window->glWidget->textureFileName, QString());

    chooseInNextFileDialog(picture);
    trigger("actionLoad_texture");
    QVERIFY(window->bodyFileName.isEmpty());
    QVERIFY(window->glWidget->bodyFileName.isEmpty());
    QCOMPARE(window->textureFileName, picture);
}

QTEST_MAIN(TestTexture)
#include "tst_texture.moc"
