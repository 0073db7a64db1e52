#include "glwidget.h"
#include "mainwindow.h"
#include "matrix4.h"
#include "scenegeometry.h"
#include "testsupport.h"

#include <QCheckBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <functional>
#include <memory>

using vorlix::Matrix4;

namespace {

const QColor background(40, 40, 0);

/// The main window drawing on a known background without the ellipsoid.
struct DrawingWindow : ShownWindow {
    DrawingWindow() : ShownWindow(QSize(900, 700)) { }
    bool readyToDraw()
    {
        if (!exposed())
            return false;
        child<QCheckBox>("Ell")->setChecked(false);
        view()->makeCurrent();
        view()->backgroundColor = background;
        view()->changeBackgroundColor();
        return true;
    }
    void setMoments(double ix, double iy, double iz)
    {
        child<QDoubleSpinBox>("Ix")->setValue(ix);
        child<QDoubleSpinBox>("Iy")->setValue(iy);
        child<QDoubleSpinBox>("Iz")->setValue(iz);
    }
};

QImage renderedFrame(GLWidget *view)
{
    view->updateGL();
    return viewFrame(view);
}

/// The frame's pixels inside the part [x0, x1] × [y0, y1] of the view's square.
QRect frameRegion(const QWidget *view, double x0, double y0, double x1, double y1)
{
    return QRect(framePixel(view, x0, y1), framePixel(view, x1, y0));
}

// Software GL rounds the clear colour the same way every time; allow for one step.
bool sameColour(QColor a, QColor b)
{
    return qAbs(a.red() - b.red()) <= 2 && qAbs(a.green() - b.green()) <= 2
        && qAbs(a.blue() - b.blue()) <= 2;
}

bool isGrey(QColor c)
{
    return qAbs(c.red() - c.green()) <= 3 && qAbs(c.green() - c.blue()) <= 3;
}

// The ellipsoid is white at 30 % opacity: what shows is 0.3 · shell + 0.7 · what lies
// behind, and the shell itself, recovered from that, is a shade of grey.
bool whiteOver(QColor seen, QColor behind)
{
    if (seen.red() < behind.red() + 8 || seen.green() < behind.green() + 8
        || seen.blue() < behind.blue() + 8)
        return false;
    const auto shell = [](int seen, int behind) { return (seen - 0.7 * behind) / 0.3; };
    const double r = shell(seen.red(), behind.red());
    const double g = shell(seen.green(), behind.green());
    const double b = shell(seen.blue(), behind.blue());
    // One step of rounding in the blend is magnified by 1 / 0.3.
    return qAbs(r - g) <= 12 && qAbs(g - b) <= 12;
}

// The marker's colours are one channel at 1.0 over two at 0.3, whatever the shading.
enum class Hue { Red, Green, Blue };

bool hasHue(QColor c, Hue hue)
{
    const int channels[3] = { c.red(), c.green(), c.blue() };
    const int strong = channels[int(hue)];
    if (strong < 50)
        return false;
    for (int k = 0; k < 3; ++k)
        if (k != int(hue) && strong < 2 * channels[k])
            return false;
    return true;
}

int countPixels(const QImage &frame, const QRect &region, const std::function<bool(QColor)> &test)
{
    int count = 0;
    for (int y = region.top(); y <= region.bottom(); ++y)
        for (int x = region.left(); x <= region.right(); ++x)
            count += test(frame.pixelColor(x, y));
    return count;
}

int countHue(const QImage &frame, const QRect &region, Hue hue)
{
    return countPixels(frame, region, [hue](QColor c) { return hasHue(c, hue); });
}

/// Makes `path` the working directory for the object's lifetime.
class WorkingDirectory {
public:
    explicit WorkingDirectory(const QString &path) : previous(QDir::currentPath())
    {
        QDir::setCurrent(path);
    }
    ~WorkingDirectory() { QDir::setCurrent(previous); }

private:
    QString previous;
};

} // namespace

Q_DECLARE_METATYPE(Hue)
Q_DECLARE_METATYPE(Matrix4)

class TestRendering : public QObject {
    Q_OBJECT

private slots:
    void viewportIsSquareAndCentred_data();
    void viewportIsSquareAndCentred();
    void ellipsoidScale_data();
    void ellipsoidScale();
    void frameShowsBackgroundAndGreyBody();
    void markerColoursMarkTheAxes_data();
    void markerColoursMarkTheAxes();
    void ellipsoidIsTranslucentWhite_data();
    void ellipsoidIsTranslucentWhite();
    void missingBodyLeavesTheMarker();
    void missingFilesAreReportedOneAfterTheOther();
    void bodyNamedLikeTheMarkerIsDrawnOnce();
};

void TestRendering::viewportIsSquareAndCentred_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QRect>("expected");

    QTest::newRow("wider than high") << QSize(800, 600) << QRect(0, -100, 800, 800);
    QTest::newRow("higher than wide, odd difference") << QSize(601, 800) << QRect(-99, 0, 800, 800);
    QTest::newRow("very wide") << QSize(1000, 200) << QRect(0, -400, 1000, 1000);
    QTest::newRow("square") << QSize(300, 300) << QRect(0, 0, 300, 300);
}

void TestRendering::viewportIsSquareAndCentred()
{
    QFETCH(QSize, size);
    QFETCH(QRect, expected);

    const vorlix::Viewport computed = vorlix::squareViewport(size.width(), size.height());
    QCOMPARE(QRect(computed.x, computed.y, computed.side, computed.side), expected);

    GLWidget view("cylinder.obj", "");
    view.resize(size);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QCOMPARE(view.size(), size);
    view.makeCurrent();
    GLint viewport[4] = { 0, 0, 0, 0 };
    glGetIntegerv(GL_VIEWPORT, viewport);
    QCOMPARE(QRect(viewport[0], viewport[1], viewport[2], viewport[3]), expected);
}

void TestRendering::ellipsoidScale_data()
{
    QTest::addColumn<double>("ix");
    QTest::addColumn<double>("iy");
    QTest::addColumn<double>("iz");
    QTest::addColumn<double>("sx");
    QTest::addColumn<double>("sy");
    QTest::addColumn<double>("sz");

    QTest::newRow("1, 2, 4") << 1.0 << 2.0 << 4.0 << 1.0 << 0.70710678 << 0.5;
    QTest::newRow("4, 2, 1") << 4.0 << 2.0 << 1.0 << 0.5 << 0.70710678 << 1.0;
    QTest::newRow("least moment in the middle") << 9.0 << 1.0 << 4.0 << 1.0 / 3 << 1.0 << 0.5;
    QTest::newRow("equal moments: a sphere") << 3.0 << 3.0 << 3.0 << 1.0 << 1.0 << 1.0;
}

void TestRendering::ellipsoidScale()
{
    QFETCH(double, ix);
    QFETCH(double, iy);
    QFETCH(double, iz);
    QFETCH(double, sx);
    QFETCH(double, sy);
    QFETCH(double, sz);

    const double least = vorlix::smallestMoment(ix, iy, iz);
    const vorlix::Vector3 s = vorlix::ellipsoidScale(ix, iy, iz, least);
    // The expected factors are given to eight decimals.
    QVERIFY(qAbs(s.x - sx) < 1e-8);
    QVERIFY(qAbs(s.y - sy) < 1e-8);
    QVERIFY(qAbs(s.z - sz) < 1e-8);
}

void TestRendering::frameShowsBackgroundAndGreyBody()
{
    DrawingWindow shown;
    QVERIFY(shown.readyToDraw());
    GLWidget *view = shown.view();
    const QImage frame = renderedFrame(view);
    QCOMPARE(frame.size(), view->size());

    QVERIFY(sameColour(frame.pixelColor(1, 1), background));
    QVERIFY(sameColour(frame.pixelColor(frame.width() - 2, frame.height() - 2), background));
    // The cylinder fills the centre and the parts left and right of its axis.
    for (double x : { 0.0, -0.2, 0.2 }) {
        const QColor body = frame.pixelColor(framePixel(view, x, -0.3));
        QVERIFY2(isGrey(body) && !sameColour(body, background), qPrintable(body.name()));
    }
    const QColor centre = frame.pixelColor(framePixel(view, 0, 0));
    QVERIFY2(isGrey(centre) && !sameColour(centre, background), qPrintable(centre.name()));
}

void TestRendering::markerColoursMarkTheAxes_data()
{
    QTest::addColumn<Matrix4>("viewMatrix");
    QTest::addColumn<QRectF>("region");
    QTest::addColumn<Hue>("hue");

    // Body and marker are drawn at zoom 0.7: the cylinder reaches 0.35 from its axis and
    // 0.63 along it, the arrows 0.84 from the centre.
    const QRectF right(0.45, -0.05, 0.35, 0.1);
    const QRectF up(-0.05, 0.68, 0.1, 0.14);
    const QRectF left(-0.8, -0.05, 0.35, 0.1);
    const Matrix4 identity = vorlix::identityMatrix();
    QTest::newRow("X red to the right") << identity << right << Hue::Red;
    QTest::newRow("Y green upwards") << identity << up << Hue::Green;
    QTest::newRow("Z blue to the right, view turned about y")
        << vorlix::rotation(90, 0, 1, 0) << right << Hue::Blue;
    QTest::newRow("Z blue upwards, view turned about x")
        << vorlix::rotation(-90, 1, 0, 0) << up << Hue::Blue;
    QTest::newRow("X red to the left, view turned half round")
        << vorlix::rotation(180, 0, 1, 0) << left << Hue::Red;
    QTest::newRow("Y green to the left, view turned about z")
        << vorlix::rotation(90, 0, 0, 1) << left << Hue::Green;
}

void TestRendering::markerColoursMarkTheAxes()
{
    QFETCH(Matrix4, viewMatrix);
    QFETCH(QRectF, region);
    QFETCH(Hue, hue);

    DrawingWindow shown;
    QVERIFY(shown.readyToDraw());
    GLWidget *view = shown.view();
    view->viewMatrix = viewMatrix;
    const QImage frame = renderedFrame(view);
    const QRect pixels
        = frameRegion(view, region.left(), region.top(), region.right(), region.bottom());

    QVERIFY2(countHue(frame, pixels, hue) >= 20, "the arrow is missing");
    for (Hue other : { Hue::Red, Hue::Green, Hue::Blue })
        if (other != hue)
            QCOMPARE(countHue(frame, pixels, other), 0);
}

void TestRendering::ellipsoidIsTranslucentWhite_data()
{
    QTest::addColumn<double>("ix");
    QTest::addColumn<double>("iy");
    QTest::addColumn<double>("iz");
    QTest::addColumn<QPointF>("point");
    QTest::addColumn<bool>("inside");

    // Points beside the body (|x| > 0.35) and off the marker; the ellipsoid's semi-axes
    // are 0.65 · √(Imin / I).
    QTest::newRow("sphere, inside") << 1.0 << 1.0 << 1.0 << QPointF(0.4, 0.45) << true;
    QTest::newRow("sphere, outside") << 1.0 << 1.0 << 1.0 << QPointF(0.5, 0.45) << false;
    QTest::newRow("1 2 4, flattened along y") << 1.0 << 2.0 << 4.0 << QPointF(0.4, 0.45) << false;
    QTest::newRow("1 2 4, long along x") << 1.0 << 2.0 << 4.0 << QPointF(0.5, 0.25) << true;
    QTest::newRow("2 1 4, short along x") << 2.0 << 1.0 << 4.0 << QPointF(0.5, 0.25) << false;
    QTest::newRow("2 1 4, inside near the body")
        << 2.0 << 1.0 << 4.0 << QPointF(0.38, 0.25) << true;
}

void TestRendering::ellipsoidIsTranslucentWhite()
{
    QFETCH(double, ix);
    QFETCH(double, iy);
    QFETCH(double, iz);
    QFETCH(QPointF, point);
    QFETCH(bool, inside);

    DrawingWindow shown;
    QVERIFY(shown.readyToDraw());
    shown.setMoments(ix, iy, iz);
    GLWidget *view = shown.view();
    const QPoint pixel = framePixel(view, point.x(), point.y());

    QVERIFY(sameColour(renderedFrame(view).pixelColor(pixel), background));
    shown.window.findChild<QCheckBox *>("Ell")->setChecked(true);
    const QColor seen = renderedFrame(view).pixelColor(pixel);
    if (inside)
        QVERIFY2(whiteOver(seen, background), qPrintable(seen.name()));
    else
        QVERIFY2(sameColour(seen, background), qPrintable(seen.name()));
}

void TestRendering::missingBodyLeavesTheMarker()
{
    MessageBoxAnswer warning;
    acceptNextMessageBox(&warning);
    GLWidget view("no_such_body.obj", "");
    view.resize(400, 400);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QTRY_VERIFY(warning.shown);
    QCOMPARE(warning.title, QString("Warning"));
    QCOMPARE(warning.text, QString("Can't open no_such_body.obj"));

    const QImage frame = renderedFrame(&view);
    const QColor empty = view.backgroundColor;
    QVERIFY(sameColour(frame.pixelColor(framePixel(&view, -0.2, -0.3)), empty));
    QVERIFY(countHue(frame, frameRegion(&view, 0.45, -0.05, 0.8, 0.05), Hue::Red) >= 20);
    QVERIFY(countHue(frame, frameRegion(&view, -0.05, 0.4, 0.05, 0.8), Hue::Green) >= 20);
}

void TestRendering::missingFilesAreReportedOneAfterTheOther()
{
    // Neither the body nor the marker is in this working directory.
    QTemporaryDir empty;
    const WorkingDirectory inEmpty(empty.path());

    // Answers every warning, also surplus ones, so that a fault fails instead of hanging.
    struct Seen {
        QStringList texts;
        int mostBoxesAtOnce = 0;
    };
    const auto seen = std::make_shared<Seen>();
    using Answer = std::function<void(QWidget *)>;
    const auto answer = std::make_shared<Answer>();
    *answer = [seen, weakAnswer = std::weak_ptr<Answer>(answer)](QWidget *modal) {
        auto *box = qobject_cast<QMessageBox *>(modal);
        if (!box)
            return;
        seen->texts.append(box->text());
        const QWidgetList tops = QApplication::topLevelWidgets();
        const int boxes = int(std::count_if(tops.begin(), tops.end(),
            [](QWidget *w) { return w->isVisible() && qobject_cast<QMessageBox *>(w); }));
        seen->mostBoxesAtOnce = qMax(seen->mostBoxesAtOnce, boxes);
        box->accept();
        if (const auto next = weakAnswer.lock(); next && seen->texts.size() < 5)
            onNextModal(*next);
    };
    onNextModal(*answer);

    GLWidget view("no_such_body.obj", "");
    view.resize(400, 400);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QTRY_VERIFY(seen->texts.size() >= 2);
    QTest::qWait(200);
    QCOMPARE(seen->texts, QStringList({ "Can't open no_such_body.obj", "Can't open arrow.obj3" }));
    QCOMPARE(seen->mostBoxesAtOnce, 1);
}

void TestRendering::bodyNamedLikeTheMarkerIsDrawnOnce()
{
    GLWidget view(QByteArray("arrow.obj3").constData(), "");
    view.resize(400, 400);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    // Only the body: its list must hold one grey arrow along y, none along x or z.
    view.makeCurrent();
    const GLuint nothing = glGenLists(1);
    glNewList(nothing, GL_COMPILE);
    glEndList();
    view.arrowList = nothing;
    view.viewMatrix
        = vorlix::multiply(vorlix::rotation(30, 1, 0, 0), vorlix::rotation(30, 0, 1, 0));
    const QImage frame = renderedFrame(&view);
    const QRect all = frame.rect();

    QCOMPARE(countHue(frame, all, Hue::Red), 0);
    QCOMPARE(countHue(frame, all, Hue::Green), 0);
    QCOMPARE(countHue(frame, all, Hue::Blue), 0);
    const QColor empty = view.backgroundColor;
    const auto drawn = [empty](QColor c) { return !sameColour(c, empty); };
    const int bodyPixels = countPixels(frame, all, drawn);
    QVERIFY(bodyPixels >= 100);
    QCOMPARE(
        countPixels(frame, all, [drawn](QColor c) { return drawn(c) && isGrey(c); }), bodyPixels);
}

QTEST_MAIN(TestRendering)
#include "tst_rendering.moc"
