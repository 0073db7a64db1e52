// SPDX-License-Identifier: GPL-3.0-or-later
// The trace layer and the image export on a display scaled by 2, as on a high-density
// screen: the view's framebuffer has twice as many pixels each way as the widget has units,
// and both must work in the framebuffer's pixels.

#include "glwidget.h"
#include "matrix4.h"
#include "testsupport.h"

#include <QApplication>
#include <QImage>
#include <QtTest>

namespace {

enum Change { noChange, viewTurn, lineWidthChange, clearing };

void makeChange(GLWidget &view, int change)
{
    view.makeCurrent();
    if (change == viewTurn)
        view.viewTurnX = 30;
    if (change == lineWidthChange) {
        view.lineWidth = 3;
        view.changeLineWidth();
    }
    if (change == clearing)
        view.freeMemoryOfDrawLines();
}

} // namespace

class TraceLayerTest : public QObject {
    Q_OBJECT

private slots:
    void incrementalFramesMatchWholeRedraws_data()
    {
        QTest::addColumn<int>("change");
        QTest::newRow("still view") << int(noChange);
        QTest::newRow("after a view turn") << int(viewTurn);
        QTest::newRow("after a line-width change") << int(lineWidthChange);
        QTest::newRow("after clearing") << int(clearing);
    }
    void incrementalFramesMatchWholeRedraws()
    {
        QFETCH(int, change);
        GLWidget layered("cylinder.obj", ""), whole("cylinder.obj", "");
        whole.useTraceLayer(false, 0);
        layered.useTraceLayer(true, 0);
        QImage frames[2];
        for (GLWidget *view : { &layered, &whole }) {
            view->drawLines = view->drawXLines = view->drawYLines = view->drawZLines = true;
            view->resize(150, 100);
            view->show();
            QVERIFY(QTest::qWaitForWindowExposed(view));
            // A body tumbling about a fixed axis: each axis tip runs round a circle of its own.
            for (int frame = 0; frame < 300; ++frame) {
                if (frame == 200)
                    makeChange(*view, change);
                view->orientationMatrix = vorlix::rotation(frame * 2.9, 1, 2, 3);
                frames[view == &whole] = renderedFrame(view);
                view->viewTurnX = 0;
            }
        }
        QVERIFY(layered.drewTracesIncrementally());
        QCOMPARE(frames[0], frames[1]);
    }
    void imageExportLeavesTheViewAsItWas()
    {
        GLWidget view("cylinder.obj", "");
        view.resize(160, 120);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QCOMPARE(view.devicePixelRatioF(), 2.0);
        const QImage before = renderedFrame(&view);
        QCOMPARE(before.size(), QSize(320, 240));

        view.renderSquareImage(64);
        QCOMPARE(renderedFrame(&view), before);
    }
};

int main(int argc, char **argv)
{
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    TraceLayerTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_tracelayer.moc"
