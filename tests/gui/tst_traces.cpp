// SPDX-License-Identifier: GPL-3.0-or-later
#include "glwidget.h"
#include "mainwindow.h"
#include "matrix4.h"
#include "testsupport.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QImage>
#include <QtMath>
#include <QtTest>
#include <memory>

using vorlix::Matrix4;

namespace {

const char *const axisButtons[3] = { "xb", "yb", "zb" };

double *&traceBuffer(GLWidget *view, int axis)
{
    return axis == 0 ? view->xLines : axis == 1 ? view->yLines : view->zLines;
}

int &writeIndex(GLWidget *view, int axis)
{
    return axis == 0 ? view->xLinesIndex : axis == 1 ? view->yLinesIndex : view->zLinesIndex;
}

int points(GLWidget *view, int axis)
{
    return GLWidget::tracePointCount(writeIndex(view, axis));
}

/// The point a trace records for a body orientation: the negative end of the body axis.
QVector<double> tipOf(const Matrix4 &orientation, int axis)
{
    return { -orientation[axis * 4], -orientation[axis * 4 + 1], -orientation[axis * 4 + 2] };
}

QVector<double> recordedPoint(GLWidget *view, int axis, int point)
{
    const double *p = traceBuffer(view, axis) + 3 * point;
    return { p[0], p[1], p[2] };
}

QVector<double> recordedData(GLWidget *view, int axis)
{
    const double *p = traceBuffer(view, axis);
    return QVector<double>(p, p + 3 * points(view, axis));
}

// Points on a tilted circle of the unit sphere, away from the body in the middle of
// the view, so that the trace shows up in the picture.
void fillWithCircle(double *buffer, int count)
{
    for (int p = 0; p < count; ++p) {
        const double angle = 2 * M_PI * (p % 720) / 720;
        buffer[3 * p] = 0.8 * qCos(angle);
        buffer[3 * p + 1] = 0.8 * qSin(angle);
        buffer[3 * p + 2] = 0.6;
    }
}

/// The same repaint with the traces switched off for it alone, without clearing them.
QImage frameWithoutTraces(GLWidget *view)
{
    view->drawLines = false;
    const QImage frame = renderedFrame(view);
    view->drawLines = true;
    return frame;
}

void addAxisRows()
{
    QTest::addColumn<int>("axis");
    QTest::newRow("X") << 0;
    QTest::newRow("Y") << 1;
    QTest::newRow("Z") << 2;
}

} // namespace

class TracesTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        w = std::make_unique<ShownWindow>();
        QVERIFY(w->exposed());
        view = w->view();
    }
    void cleanup() { w.reset(); }

    void nothingIsRecordedUntilDrawIsChecked()
    {
        QVERIFY(!w->child<QCheckBox>("Draw")->isChecked());
        for (const char *button : axisButtons)
            QVERIFY(w->child<QAbstractButton>(button)->isChecked());

        for (int i = 0; i < 3; ++i)
            view->updateGL();

        for (int axis = 0; axis < 3; ++axis)
            QCOMPARE(writeIndex(view, axis), 2);
    }

    void firstPointAfterAClear_data() { addAxisRows(); }
    void firstPointAfterAClear()
    {
        QFETCH(int, axis);

        const Matrix4 orientation = vorlix::rotation(35, 1, -2, 0.5);
        view->orientationMatrix = orientation;

        w->click("Draw");

        QCOMPARE(writeIndex(view, axis), 5);
        QCOMPARE(recordedPoint(view, axis, 0), tipOf(orientation, axis));
    }

    void eachRepaintRecordsTheAxisTip_data() { addAxisRows(); }
    void eachRepaintRecordsTheAxisTip()
    {
        QFETCH(int, axis);

        const Matrix4 orientations[3] = { vorlix::rotation(10, 0, 0, 1),
            vorlix::rotation(80, 1, 1, 0), vorlix::rotation(-140, 0.2, 1, -3) };

        view->orientationMatrix = orientations[0];
        w->click("Draw");
        view->orientationMatrix = orientations[1];
        view->updateGL();
        view->orientationMatrix = orientations[2];
        view->updateGL();

        QCOMPARE(writeIndex(view, axis), 11);
        for (int p = 0; p < 3; ++p)
            QCOMPARE(recordedPoint(view, axis, p), tipOf(orientations[p], axis));
    }

    void switchingAnAxisOffClearsOnlyThatAxis_data() { addAxisRows(); }
    void switchingAnAxisOffClearsOnlyThatAxis()
    {
        QFETCH(int, axis);

        w->click("Draw");
        view->orientationMatrix = vorlix::rotation(60, 1, 2, 2);
        view->updateGL();
        QVector<double> kept[3];
        for (int other = 0; other < 3; ++other)
            kept[other] = recordedData(view, other);

        w->click(axisButtons[axis]);
        QCOMPARE(writeIndex(view, axis), 2);
        view->updateGL();
        QCOMPARE(writeIndex(view, axis), 2);

        w->click(axisButtons[axis]);
        QCOMPARE(writeIndex(view, axis), 5);
        for (int other = 0; other < 3; ++other) {
            if (other == axis)
                continue;
            // Untouched, and one point longer per repaint: the two clicks and the one between.
            QCOMPARE(points(view, other), 2 + 3);
            QCOMPARE(recordedData(view, other).mid(0, kept[other].size()), kept[other]);
        }
    }

    void switchingDrawOffClearsEveryAxis_data()
    {
        QTest::addColumn<QStringList>("hiddenAxes");

        QTest::newRow("all axes shown") << QStringList();
        QTest::newRow("Y hidden") << QStringList { "yb" };
        QTest::newRow("X and Z hidden") << QStringList { "xb", "zb" };
    }

    void switchingDrawOffClearsEveryAxis()
    {
        QFETCH(QStringList, hiddenAxes);

        w->click("Draw");
        view->updateGL();
        view->updateGL();
        for (const QString &button : hiddenAxes)
            w->click(qPrintable(button));

        w->click("Draw");
        for (int axis = 0; axis < 3; ++axis)
            QCOMPARE(writeIndex(view, axis), 2);
        view->updateGL();
        for (int axis = 0; axis < 3; ++axis)
            QCOMPARE(writeIndex(view, axis), 2);

        w->click("Draw");
        for (int axis = 0; axis < 3; ++axis) {
            const bool shown = !hiddenAxes.contains(axisButtons[axis]);
            QCOMPARE(writeIndex(view, axis), shown ? 5 : 2);
        }
    }

    void pausedDragRecordsTheSamePoint()
    {
        w->click("Draw");
        w->click("pushButton");
        QTest::qWait(50);
        QTest::keyPress(view, Qt::Key_Space);
        QCOMPARE(view->pauseState, 1);
        const Matrix4 viewBefore = view->viewMatrix;
        const int before = points(view, 0);
        const QVector<double> lastBeforeDrag = recordedPoint(view, 0, before - 1);

        const QPoint from(view->width() / 2, view->height() / 2);
        drag(view, from, { from + QPoint(10, 0), from + QPoint(20, 5), from + QPoint(30, 30) });

        QVERIFY(view->viewMatrix != viewBefore);
        QCOMPARE(points(view, 0), before + 3);
        for (int p = before; p < before + 3; ++p)
            QCOMPARE(recordedPoint(view, 0, p), lastBeforeDrag);
        QCOMPARE(lastBeforeDrag, tipOf(view->orientationMatrix, 0));
    }

    void fullBufferStopsGrowingButIsStillDrawn_data()
    {
        QTest::addColumn<int>("freePoints");

        QTest::newRow("room for one more point") << 1;
        QTest::newRow("already full") << 0;
    }

    void fullBufferStopsGrowingButIsStillDrawn()
    {
        QFETCH(int, freePoints);

        w->click("yb");
        w->click("zb");
        w->click("Draw");
        const int capacity = GLWidget::traceCapacity;
        const int fullIndex = 3 * capacity + 2;
        fillWithCircle(view->xLines, capacity);
        view->xLinesIndex = fullIndex - 3 * freePoints;
        const QVector<double> lastPoint = recordedPoint(view, 0, capacity - 1);

        const Matrix4 first = vorlix::rotation(25, 0, 1, 0);
        view->orientationMatrix = first;
        view->updateGL();
        QCOMPARE(view->xLinesIndex, fullIndex);
        QCOMPARE(recordedPoint(view, 0, capacity - 1), freePoints ? tipOf(first, 0) : lastPoint);

        const QVector<double> keptLast = recordedPoint(view, 0, capacity - 1);
        view->orientationMatrix = vorlix::rotation(-50, 1, 0, 0);
        view->updateGL();
        view->updateGL();
        QCOMPARE(view->xLinesIndex, fullIndex);
        QCOMPARE(recordedPoint(view, 0, capacity - 1), keptLast);

        QVERIFY(renderedFrame(view) != frameWithoutTraces(view));
    }

    void missingBufferIsNeitherRecordedNorDrawn()
    {
        w->click("yb");
        w->click("zb");
        w->click("Draw");
        // What a failed allocation leaves behind.
        delete[] view->xLines;
        view->xLines = nullptr;
        view->xLinesIndex = 3 * 1000 + 2;

        QCOMPARE(renderedFrame(view), frameWithoutTraces(view));
        QCOMPARE(view->xLinesIndex, 3 * 1000 + 2);

        // Clearing the trace tries the allocation again, and recording resumes.
        w->click("xb");
        w->click("xb");
        QVERIFY(view->xLines);
        QCOMPARE(view->xLinesIndex, 5);
    }

private:
    std::unique_ptr<ShownWindow> w;
    GLWidget *view = nullptr;
};

QTEST_MAIN(TracesTest)
#include "tst_traces.moc"
