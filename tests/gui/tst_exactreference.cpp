// SPDX-License-Identifier: GPL-3.0-or-later
#include "testsupport.h"

#include <QComboBox>
#include <QLabel>
#include <QtTest>

namespace {

double kineticEnergy(const GLWidget &v)
{
    return 0.5
        * (v.inertiaX * v.omegaX * v.omegaX + v.inertiaY * v.omegaY * v.omegaY
            + v.inertiaZ * v.omegaZ * v.omegaZ);
}

/// θ in degrees as the readout's error line shows it, refreshed now.
double shownAngle(ShownWindow &w)
{
    w.trigger("actionPhysics_readout");
    w.trigger("actionPhysics_readout");
    return w.child<QLabel>("errorLabel")->text().section(' ', 5, 5).chopped(2).toDouble();
}

} // namespace

class TestExactReference : public QObject {
    Q_OBJECT

private slots:
    void integratorAgainstTheExactMotion_data()
    {
        QTest::addColumn<int>("integrator");
        QTest::addColumn<bool>("exact");
        QTest::newRow("explicit Euler drifts and strays") << 0 << false;
        QTest::newRow("exact keeps T and stays on itself") << 2 << true;
    }
    void integratorAgainstTheExactMotion()
    {
        QFETCH(int, integrator);
        QFETCH(bool, exact);
        ShownWindow w; // the flip preset
        w.child<QComboBox>("integrator")->setCurrentIndex(integrator);
        w.ui().speed->setValue(30);
        w.click("pushButton");
        const GLWidget &v = *w.view();
        const double startEnergy = kineticEnergy(v);
        QTRY_VERIFY(v.run->simulatedTime > 0.2);
        w.click("pushButton");
        const double drift = kineticEnergy(v) / startEnergy - 1;
        QCOMPARE(std::abs(drift) < 1e-12, exact);
        QVERIFY2(exact || drift > 0, "explicit Euler gains energy");
        QCOMPARE(shownAngle(w) > 0, !exact);

        w.trigger("actionRestart_from_the_panel");
        QCOMPARE(shownAngle(w), 0.0);
        QCOMPARE(w.child<QLabel>("errorLabel")->text(),
            QString::fromUtf8("Error vs exact: θ = 0°, |Δω|/|ω| = 0"));
    }

    void ghostOffLeavesTheFrameUnchanged()
    {
        ShownWindow w;
        QVERIFY(w.exposed());
        const QImage before = renderedFrame(w.view());
        w.trigger("actionExact_ghost");
        QVERIFY(renderedFrame(w.view()) != before);
        w.trigger("actionExact_ghost");
        QCOMPARE(renderedFrame(w.view()), before);
    }
};

QTEST_MAIN(TestExactReference)
#include "tst_exactreference.moc"
