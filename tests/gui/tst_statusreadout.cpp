// SPDX-License-Identifier: GPL-3.0-or-later
#include "glwidget.h"
#include "mainwindow.h"
#include "testsupport.h"

#include <QBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QtMath>
#include <QtTest>

namespace {

const char *const yellow = "* { background-color: rgb(212,212,127) }";
const char *const orange = "* { background-color: rgb(255,170,127) }";
const QString omegaHeads[3] = { "<font color=red>&omega;<sub>X</sub>",
    "<font color=green>&omega;<sub>Y</sub>", "<font color=blue>&omega;<sub>Z</sub>" };

/// The main window with its status bar readout at hand.
struct ReadoutWindow : ShownWindow {
    QPushButton *button() const { return child<QPushButton>("pushButton"); }
    QLabel *omegaLabel(int axis) const
    {
        return axis == 0 ? window.omegaXLabel : axis == 1 ? window.omegaYLabel : window.omegaZLabel;
    }
    /// The status bar in the order the window adds its labels.
    QList<QLabel *> labels() const
    {
        return { window.messageLabel, window.fpsLabel, window.omegaXLabel, window.omegaYLabel,
            window.omegaZLabel };
    }
    /// One tick of the once-a-second readout.
    void readout() { QVERIFY(QMetaObject::invokeMethod(&window, "statusbarFPSupdate")); }
};

QBoxLayout *layoutHolding(QLayout *layout, QWidget *widget)
{
    auto *box = qobject_cast<QBoxLayout *>(layout);
    if (box && box->indexOf(widget) >= 0)
        return box;
    for (int i = 0; i < layout->count(); ++i) {
        if (QLayout *inner = layout->itemAt(i)->layout()) {
            if (QBoxLayout *found = layoutHolding(inner, widget))
                return found;
        }
    }
    return nullptr;
}

} // namespace

class StatusReadoutTest : public QObject {
    Q_OBJECT

private slots:
    void labelsBeforeTheFirstReadout()
    {
        ReadoutWindow w;
        QCOMPARE(w.window.messageLabel->text(), QString());
        QCOMPARE(w.window.fpsLabel->text(), QString("<b>FPS</b>"));
        for (int axis = 0; axis < 3; ++axis)
            QCOMPARE(w.omegaLabel(axis)->text(), omegaHeads[axis] + "</font>");
    }
    void labelsSitInTheStatusBarInOrder()
    {
        ReadoutWindow w;
        QVERIFY(w.exposed());
        QStatusBar *bar = w.window.statusBar();
        QBoxLayout *row = layoutHolding(bar->layout(), w.window.messageLabel);
        QVERIFY(row);

        const int stretches[5] = { 2, 0, 1, 1, 1 };
        int previous = -1;
        for (int i = 0; i < 5; ++i) {
            QLabel *label = w.labels().at(i);
            QCOMPARE(label->frameStyle(), int(QFrame::Panel | QFrame::Sunken));
            const int position = row->indexOf(label);
            QVERIFY2(position > previous, qPrintable(QString("label %1 out of order").arg(i)));
            QCOMPARE(row->stretch(position), stretches[i]);
            previous = position;
        }

        // Permanent widgets stay while the bar shows a temporary message.
        bar->showMessage("busy");
        for (QLabel *label : w.labels())
            QVERIFY(label->isVisible());
    }
    void angularVelocityTexts_data()
    {
        QTest::addColumn<double>("omega");
        QTest::addColumn<QString>("shown");

        QTest::newRow("small fixed") << 0.0001 << "0.0001";
        QTest::newRow("large switches to exponent") << 1250000.0 << "1.25e+06";
        QTest::newRow("negative") << -0.5 << "-0.5";
        QTest::newRow("zero") << 0.0 << "0";
        QTest::newRow("six significant digits") << 3.14159265 << "3.14159";
        QTest::newRow("tiny switches to exponent") << 0.00001234 << "1.234e-05";
    }
    void angularVelocityTexts()
    {
        QFETCH(double, omega);
        QFETCH(QString, shown);

        ReadoutWindow w;
        GLWidget *view = w.view();
        // One component at a time, so that each label must show its own.
        for (int axis = 0; axis < 3; ++axis) {
            view->omegaX = axis == 0 ? omega : 0;
            view->omegaY = axis == 1 ? omega : 0;
            view->omegaZ = axis == 2 ? omega : 0;
            view->frameCounter = 100;
            w.readout();
            for (int label = 0; label < 3; ++label)
                QCOMPARE(w.omegaLabel(label)->text(),
                    omegaHeads[label] + " = " + (label == axis ? shown : "0") + "</font>");
        }
    }
    void tickCountIsShownAndRestarted_data()
    {
        QTest::addColumn<int>("ticks");

        QTest::newRow("full rate of the 4 ms timer") << 250;
        QTest::newRow("one tick") << 1;
        QTest::newRow("more than the timer allows") << 1234;
    }
    void tickCountIsShownAndRestarted()
    {
        QFETCH(int, ticks);

        ReadoutWindow w;
        w.view()->frameCounter = ticks;
        w.readout();
        QCOMPARE(w.window.fpsLabel->text(), "<b>FPS: " + QString::number(ticks) + "</b>");
        QCOMPARE(w.view()->frameCounter, 0);
    }
    void estimateMovesAQuarterOfTheWay_data()
    {
        QTest::addColumn<double>("previous");
        QTest::addColumn<int>("ticks");

        QTest::newRow("start value at full rate") << 0.005 << 250;
        QTest::newRow("slow machine") << 0.004 << 10;
        QTest::newRow("single tick") << 0.01 << 1;
        QTest::newRow("estimate far too long") << 0.2 << 1000;
    }
    void estimateMovesAQuarterOfTheWay()
    {
        QFETCH(double, previous);
        QFETCH(int, ticks);

        ReadoutWindow w;
        w.view()->timePerFrame = previous;
        w.view()->frameCounter = ticks;
        w.readout();
        QCOMPARE(w.view()->timePerFrame, (3 * previous + 1.0 / ticks) / 4);
    }
    void estimateConvergesAtASteadyRate()
    {
        ReadoutWindow w;
        const int ticksPerSecond = 60;
        const double measured = 1.0 / ticksPerSecond;
        double distance = qAbs(w.view()->timePerFrame - measured);
        const double initialDistance = distance;

        for (int second = 1; second <= 8; ++second) {
            w.view()->frameCounter = ticksPerSecond;
            w.readout();
            const double next = qAbs(w.view()->timePerFrame - measured);
            QVERIFY(qAbs(next / distance - 0.75) < 1e-9);
            distance = next;
        }
        QVERIFY(distance < 0.11 * initialDistance);
    }
    void secondWithoutTicksKeepsTheEstimate()
    {
        ReadoutWindow w;
        w.view()->timePerFrame = 0.007;
        w.view()->frameCounter = 0;
        w.readout();
        QCOMPARE(w.window.fpsLabel->text(), QString("<b>FPS: 0</b>"));
        QCOMPARE(w.view()->timePerFrame, 0.007);

        w.view()->frameCounter = 50;
        w.readout();
        QCOMPARE(w.view()->timePerFrame, (3 * 0.007 + 1.0 / 50) / 4);
    }
    void keyboardPauseTurnsTheButtonYellowThenOrange()
    {
        ReadoutWindow w;
        QVERIFY(w.exposed());
        GLWidget *view = w.view();
        QTest::mouseClick(w.button(), Qt::LeftButton);
        view->frameCounter = 5;
        w.readout();
        QCOMPARE(w.window.fpsLabel->text(), QString("<b>FPS: 5</b>"));

        view->frameCounter = 9;
        QTest::keyPress(view, Qt::Key_Space);
        const double estimate = view->timePerFrame;
        const QString omegaText = w.window.omegaXLabel->text();
        for (int second = 0; second < 2; ++second) {
            w.readout();
            QCOMPARE(w.button()->styleSheet(), QString(yellow));
            QCOMPARE(w.button()->text(), QString("Resume"));
            QCOMPARE(w.window.fpsLabel->text(), QString("<b>FPS: 5</b>"));
            QCOMPARE(w.window.omegaXLabel->text(), omegaText);
            QCOMPARE(view->frameCounter, 10);
            QCOMPARE(view->timePerFrame, estimate);
        }

        QTest::keyPress(view, Qt::Key_Space);
        QCOMPARE(view->pauseState, 2);
        w.readout();
        QCOMPARE(w.button()->styleSheet(), QString(orange));
        QCOMPARE(w.button()->text(), QString("Stop"));
        QCOMPARE(view->pauseState, 0);
        // Everything counted since the last reading before the pause, the Space press included.
        QCOMPARE(w.window.fpsLabel->text(), QString("<b>FPS: 10</b>"));
    }
};

QTEST_MAIN(StatusReadoutTest)
#include "tst_statusreadout.moc"
