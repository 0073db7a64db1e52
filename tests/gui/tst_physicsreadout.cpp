// SPDX-License-Identifier: GPL-3.0-or-later
#include "glwidget.h"
#include "mainwindow.h"
#include "testsupport.h"
#include "ui_mainwindowclass.h"

#include <QDockWidget>
#include <QtTest>

namespace {

// The flip preset's moments, and an ω with all three components awake.
void setPanel(Ui_MainWindowClass &ui)
{
    ui.Ix->setValue(1);
    ui.Iy->setValue(2);
    ui.Iz->setValue(3);
    ui.WX->setValue(0.05);
    ui.WY->setValue(4);
    ui.WZ->setValue(0.05);
}

} // namespace

class TestPhysicsReadout : public QObject {
    Q_OBJECT

private slots:
    void dockFollowsItsAction()
    {
        ShownWindow w;
        QVERIFY(w.exposed());
        Ui_MainWindowClass &ui = *w.window.ui;
        auto *dock = w.child<QDockWidget>("physicsDock");
        QVERIFY(!dock->isVisible());
        QCOMPARE(w.window.dockWidgetArea(dock), Qt::BottomDockWidgetArea);
        ui.actionPhysics_readout->trigger();
        QVERIFY(dock->isVisible());
        dock->close();
        QVERIFY(!ui.actionPhysics_readout->isChecked());
    }
    void labelsAfterAFewTicks()
    {
        ShownWindow w;
        Ui_MainWindowClass &ui = *w.window.ui;
        setPanel(ui);
        ui.actionPhysics_readout->trigger();
        w.click("pushButton");
        QTRY_VERIFY(w.view()->run->simulatedTime > 0.05);
        w.click("pushButton");
        // Showing the dock again refreshes it at once.
        ui.actionPhysics_readout->trigger();
        ui.actionPhysics_readout->trigger();

        const GLWidget &v = *w.view();
        const double t = v.run->simulatedTime;
        const double energy
            = 0.5 * (v.omegaX * v.omegaX + 2 * v.omegaY * v.omegaY + 3 * v.omegaZ * v.omegaZ);
        QCOMPARE(w.child<QLabel>("timeLabel")->text(), QString("t = %1 s").arg(t, 0, 'g', 6));
        QCOMPARE(w.child<QLabel>("energyLabel")->text(), QString("T = %1").arg(energy, 0, 'g', 6));
        // Explicit Euler gains energy from the start: the drift is positive and small.
        const double drift
            = w.child<QLabel>("driftLabel")->text().section(' ', 2, 2).chopped(1).toDouble();
        QVERIFY2(drift > 0 && drift < 0.1, qPrintable(w.child<QLabel>("driftLabel")->text()));
        QVERIFY(
            w.child<QLabel>("stepLabel")
                ->text()
                .startsWith(QString("h = %1 s").arg(v.timePerFrame / v.iterPerFrame, 0, 'g', 6)));
    }
    void restartBeginsAgainFromThePanel()
    {
        ShownWindow w;
        Ui_MainWindowClass &ui = *w.window.ui;
        setPanel(ui);
        ui.Draw->setChecked(true);
        w.click("pushButton");
        QTRY_VERIFY(w.view()->xLinesIndex > 20);
        ui.WY->setValue(3); // read only by a restart

        ui.actionRestart_from_the_panel->trigger();
        GLWidget &v = *w.view();
        QCOMPARE(v.orientationMatrix, vorlix::identityMatrix());
        QCOMPARE(v.run->simulatedTime, 0.0);
        QVERIFY(GLWidget::tracePointCount(v.xLinesIndex) <= 1); // the restart's own repaint
        QCOMPARE(v.omegaY, 3.0);
        QCOMPARE(v.run->referenceEnergy, 0.5 * (0.05 * 0.05 + 2 * 9 + 3 * 0.05 * 0.05));
        QVERIFY(v.timer->isActive());
        QCOMPARE(ui.pushButton->text(), QString("Stop"));
    }
};

QTEST_MAIN(TestPhysicsReadout)
#include "tst_physicsreadout.moc"
