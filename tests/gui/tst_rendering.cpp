// SPDX-License-Identifier: GPL-3.0-or-later
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
using vorlix::Vector3;

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
    void setMoments(Vector3 moments)
    {
        ui().Ix->setValue(moments.x);
        ui().Iy->setValue(moments.y);
        ui().Iz->setValue(moments.z);
    }
};

/// The frame's pixels inside the part [x0, x1] × [y0, y1] of the view's square.
QRect frameRegion(const QWidget *view, double x0, double y0, double x1, double y1)
{
    return QRect(framePixel(view, x0, y1), framePixel(view, x1, y0));
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

Q_DECLARE_METATYPE(Matrix4)
Q_DECLARE_METATYPE(Vector3)

class TestRendering : public QObject {
    Q_OBJECT

private slots:
    void viewportIsSquareAndCentred_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QRect>("expected");

        QTest::newRow("wider than high") << QSize(800, 600) << QRect(0, -100, 800, 800);
        QTest::newRow("higher than wide, odd difference")
            << QSize(601, 800) << QRect(-99, 0, 800, 800);
        QTest::newRow("very wide") << QSize(1000, 200) << QRect(0, -400, 1000, 1000);
        QTest::newRow("square") << QSize(300, 300) << QRect(0, 0, 300, 300);
    }

    void viewportIsSquareAndCentred()
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

    void ellipsoidScale_data()
    {
        QTest::addColumn<Vector3>("moments");
        QTest::addColumn<Vector3>("scale");

        QTest::newRow("1, 2, 4") << Vector3 { 1, 2, 4 } << Vector3 { 1, 0.70710678, 0.5 };
        QTest::newRow("4, 2, 1") << Vector3 { 4, 2, 1 } << Vector3 { 0.5, 0.70710678, 1 };
        QTest::newRow("least moment in the middle")
            << Vector3 { 9, 1, 4 } << Vector3 { 1.0 / 3, 1, 0.5 };
        QTest::newRow("equal moments: a sphere") << Vector3 { 3, 3, 3 } << Vector3 { 1, 1, 1 };
    }

    void ellipsoidScale()
    {
        QFETCH(Vector3, moments);
        QFETCH(Vector3, scale);

        const double least = vorlix::smallestMoment(moments.x, moments.y, moments.z);
        const Vector3 s = vorlix::ellipsoidScale(moments.x, moments.y, moments.z, least);
        // The expected factors are given to eight decimals.
        QVERIFY(qAbs(s.x - scale.x) < 1e-8);
        QVERIFY(qAbs(s.y - scale.y) < 1e-8);
        QVERIFY(qAbs(s.z - scale.z) < 1e-8);
    }

    void frameShowsBackgroundAndGreyBody()
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
            QVERIFY2(hasColour(body, Qt::gray) && !sameColour(body, background),
                qPrintable(body.name()));
        }
        const QColor centre = frame.pixelColor(framePixel(view, 0, 0));
        QVERIFY2(hasColour(centre, Qt::gray) && !sameColour(centre, background),
            qPrintable(centre.name()));
    }

    void markerColoursMarkTheAxes_data()
    {
        QTest::addColumn<Matrix4>("viewMatrix");
        QTest::addColumn<QRectF>("region");
        QTest::addColumn<QColor>("colour");

        // Body and marker are drawn at zoom 0.7: the cylinder reaches 0.35 from its axis and
        // 0.63 along it, the arrows 0.84 from the centre.
        const QRectF right(0.45, -0.05, 0.35, 0.1);
        const QRectF up(-0.05, 0.68, 0.1, 0.14);
        const QRectF left(-0.8, -0.05, 0.35, 0.1);
        const Matrix4 identity = vorlix::identityMatrix();
        QTest::newRow("X red to the right") << identity << right << markerRed;
        QTest::newRow("Y green upwards") << identity << up << markerGreen;
        QTest::newRow("Z blue to the right, view turned about y")
            << vorlix::rotation(90, 0, 1, 0) << right << markerBlue;
        QTest::newRow("Z blue upwards, view turned about x")
            << vorlix::rotation(-90, 1, 0, 0) << up << markerBlue;
        QTest::newRow("X red to the left, view turned half round")
            << vorlix::rotation(180, 0, 1, 0) << left << markerRed;
        QTest::newRow("Y green to the left, view turned about z")
            << vorlix::rotation(90, 0, 0, 1) << left << markerGreen;
    }

    void markerColoursMarkTheAxes()
    {
        QFETCH(Matrix4, viewMatrix);
        QFETCH(QRectF, region);
        QFETCH(QColor, colour);

        DrawingWindow shown;
        QVERIFY(shown.readyToDraw());
        GLWidget *view = shown.view();
        view->viewMatrix = viewMatrix;
        const QImage frame = renderedFrame(view);
        const QRect pixels
            = frameRegion(view, region.left(), region.top(), region.right(), region.bottom());

        QVERIFY2(countColour(frame, pixels, colour) >= 20, "the arrow is missing");
        for (QColor other : { markerRed, markerGreen, markerBlue })
            if (other != colour)
                QCOMPARE(countColour(frame, pixels, other), 0);
    }

    void ellipsoidIsTranslucentWhite_data()
    {
        QTest::addColumn<Vector3>("moments");
        QTest::addColumn<QPointF>("point");
        QTest::addColumn<bool>("inside");

        // Points beside the body (|x| > 0.35) and off the marker; the ellipsoid's semi-axes
        // are 0.65 · √(Imin / I).
        const Vector3 sphere { 1, 1, 1 }, flat { 1, 2, 4 }, narrow { 2, 1, 4 };
        QTest::newRow("sphere, inside") << sphere << QPointF(0.4, 0.45) << true;
        QTest::newRow("sphere, outside") << sphere << QPointF(0.5, 0.45) << false;
        QTest::newRow("1 2 4, flattened along y") << flat << QPointF(0.4, 0.45) << false;
        QTest::newRow("1 2 4, long along x") << flat << QPointF(0.5, 0.25) << true;
        QTest::newRow("2 1 4, short along x") << narrow << QPointF(0.5, 0.25) << false;
        QTest::newRow("2 1 4, inside near the body") << narrow << QPointF(0.38, 0.25) << true;
    }

    void ellipsoidIsTranslucentWhite()
    {
        QFETCH(Vector3, moments);
        QFETCH(QPointF, point);
        QFETCH(bool, inside);

        DrawingWindow shown;
        QVERIFY(shown.readyToDraw());
        shown.setMoments(moments);
        GLWidget *view = shown.view();
        const QPoint pixel = framePixel(view, point.x(), point.y());

        QVERIFY(sameColour(renderedFrame(view).pixelColor(pixel), background));
        shown.ui().Ell->setChecked(true);
        const QColor seen = renderedFrame(view).pixelColor(pixel);
        if (inside)
            QVERIFY2(whiteOver(seen, background), qPrintable(seen.name()));
        else
            QVERIFY2(sameColour(seen, background), qPrintable(seen.name()));
    }

    void missingBodyLeavesTheMarker()
    {
        MessageBoxAnswer warning;
        const DialogScript script({ pressOnMessage(&warning) });
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
        QVERIFY(countColour(frame, frameRegion(&view, 0.45, -0.05, 0.8, 0.05), markerRed) >= 20);
        QVERIFY(countColour(frame, frameRegion(&view, -0.05, 0.4, 0.05, 0.8), markerGreen) >= 20);
    }

    void missingFilesAreReportedOneAfterTheOther()
    {
        // Neither the body nor the marker is in this working directory.
        QTemporaryDir empty;
        const WorkingDirectory inEmpty(empty.path());

        QStringList texts;
        int mostBoxesAtOnce = 0;
        const auto record = answer<QMessageBox>([&](QMessageBox *box) {
            texts << box->text();
            const QWidgetList tops = QApplication::topLevelWidgets();
            mostBoxesAtOnce = qMax(mostBoxesAtOnce,
                int(std::count_if(tops.begin(), tops.end(),
                    [](QWidget *w) { return w->isVisible() && qobject_cast<QMessageBox *>(w); })));
            box->accept();
        });
        const DialogScript script({ record, record, record });

        GLWidget view("no_such_body.obj", "");
        view.resize(400, 400);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QTRY_VERIFY(texts.size() >= 2);
        QTest::qWait(200);
        QCOMPARE(texts, QStringList({ "Can't open no_such_body.obj", "Can't open arrow.obj3" }));
        QCOMPARE(mostBoxesAtOnce, 1);
    }

    void bodyNamedLikeTheMarkerIsDrawnOnce()
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

        QCOMPARE(countColour(frame, all, markerRed), 0);
        QCOMPARE(countColour(frame, all, markerGreen), 0);
        QCOMPARE(countColour(frame, all, markerBlue), 0);
        const QColor empty = view.backgroundColor;
        const auto drawn = [empty](QColor c) { return !sameColour(c, empty); };
        const int bodyPixels = countPixels(frame, all, drawn);
        QVERIFY(bodyPixels >= 100);
        QCOMPARE(countPixels(
                     frame, all, [drawn](QColor c) { return drawn(c) && hasColour(c, Qt::gray); }),
            bodyPixels);
    }
};

QTEST_MAIN(TestRendering)
#include "tst_rendering.moc"
