// SPDX-License-Identifier: GPL-3.0-or-later
#include "accuratestepper.h"
#include "divergence.h"
#include "invariants.h"
#include "physicsreadout.h"

#include <QtTest>

using vorlix::DivergenceCause;
using vorlix::Vector3;

Q_DECLARE_METATYPE(Vector3)
Q_DECLARE_METATYPE(DivergenceCause)

static Vector3 evolved(const Vector3 &moments, const Vector3 &omega, double timePerFrame)
{
    vorlix::RigidBodyState state { moments, {}, omega, {}, vorlix::identityMatrix() };
    for (int i = 0; i < 150; ++i)
        vorlix::integrateFrame(state, timePerFrame, 20, vorlix::accurate());
    return state.omega;
}

class TestPhysicsReadout : public QObject {
    Q_OBJECT

private slots:
    void panelUnits_data()
    {
        QTest::addColumn<double>("speed");
        QTest::addColumn<Vector3>("moments");
        QTest::addColumn<bool>("impossible");
        // 1.234564 + 0.7654324 = 1.9999964: a flat body, each moment rounded to six digits.
        QTest::newRow("faster, solid") << 2.5 << Vector3 { 1, 2, 3 } << false;
        QTest::newRow("backwards, flat") << -0.5 << Vector3 { 1.23456, 2, 0.765432 } << false;
        QTest::newRow("stopped, Ix 1e-4 past Iy + Iz") << 0.0 << Vector3 { 2.0002, 1, 1 } << true;
    }
    // 1.5 s at Speed s must read as the panel's motion at τ = 1.5·s (backwards when s < 0).
    void panelUnits()
    {
        QFETCH(double, speed);
        QFETCH(Vector3, moments);
        QFETCH(bool, impossible);
        const Vector3 w { 0.3, 1, 0.2 }, simulated = evolved(moments, speed * w, 0.01);
        const vorlix::PhysicsReadout r
            = vorlix::physicsReadout(moments, simulated, 1.5, vorlix::kineticEnergy(moments, w),
                vorlix::angularMomentumMagnitude(moments, w), 0.01, 20, speed);
        QCOMPARE(r.impossibleMoments, impossible);
        QCOMPARE(r.available, speed != 0);
        QCOMPARE(r.subStep, std::fabs(speed) * 0.01 / 20);
        const auto samples = vorlix::inPanelUnits({ { 1.5, simulated } }, speed);
        QCOMPARE(samples.empty(), speed == 0);
        if (speed == 0)
            return;
        QCOMPARE(r.time, 1.5 * speed);
        QCOMPARE(samples[0].time, r.time);
        QVERIFY(norm(samples[0].omega - evolved(moments, w, speed * 0.01)) < 1e-9);
        QVERIFY(std::fabs(r.energyDrift) < 1e-9 && std::fabs(r.momentumDrift) < 1e-12);
    }
    // A rod along X (moments 1, 50, 50) set spinning about X at 1 rad/s on the panel: T₀ = ½ and
    // |L|₀ = 1, so |L| can pass ten times its start while T stays below.
    void divergence_data()
    {
        QTest::addColumn<Vector3>("omega");
        QTest::addColumn<double>("speed");
        QTest::addColumn<DivergenceCause>("expected");
        QTest::newRow("Speed 5") << Vector3 { 5, 0, 0 } << 5.0 << DivergenceCause::None;
        QTest::newRow("T 9-fold") << Vector3 { 3, 0, 0 } << 1.0 << DivergenceCause::None;
        QTest::newRow("T 11-fold") << Vector3 { 3.32, 0, 0 } << 1.0 << DivergenceCause::EnergyGrew;
        QTest::newRow("|L| 20-fold, T 8-fold")
            << Vector3 { 0, 0.4, 0 } << 1.0 << DivergenceCause::MomentumGrew;
        QTest::newRow("ω no number")
            << Vector3 { std::nan(""), 0, 0 } << 1.0 << DivergenceCause::NotFinite;
    }
    void divergence()
    {
        QFETCH(Vector3, omega);
        QFETCH(double, speed);
        QFETCH(DivergenceCause, expected);
        vorlix::Matrix4 o = vorlix::identityMatrix();
        QCOMPARE(vorlix::divergenceCause({ 1, 50, 50 }, omega, o, 0.5, 1, speed), expected);
        o[5] = HUGE_VAL;
        QCOMPARE(vorlix::divergenceCause({ 1, 50, 50 }, omega, o, 0.5, 1, speed),
            DivergenceCause::NotFinite);
    }
    void invalidMoment_data()
    {
        QTest::addColumn<Vector3>("moments");
        QTest::addColumn<QString>("named");
        QTest::newRow("all positive") << Vector3 { 1, 2, 3 } << "";
        QTest::newRow("Ix zero") << Vector3 { 0, 2, 3 } << "Ix = 0";
        QTest::newRow("Iy first of two") << Vector3 { 1, -2, 0 } << "Iy = -2";
        QTest::newRow("Iz infinite") << Vector3 { 1, 2, HUGE_VAL } << "Iz = inf";
    }
    void invalidMoment()
    {
        QFETCH(Vector3, moments);
        QFETCH(QString, named);
        const auto m = vorlix::invalidMoment(moments);
        QCOMPARE(m ? QString("I%1 = %2").arg(QChar(m->axis)).arg(m->value) : QString(), named);
    }
};

QTEST_APPLESS_MAIN(TestPhysicsReadout)
#include "tst_readoutunits.moc"
