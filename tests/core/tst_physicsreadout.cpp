// SPDX-License-Identifier: GPL-3.0-or-later
#include "accuratestepper.h"
#include "invariants.h"
#include "physicsreadout.h"

#include <QtTest>

using vorlix::Vector3;

Q_DECLARE_METATYPE(Vector3)

namespace {

// The body's ω after `frames` frames of `timePerFrame`, started from ω0.
Vector3 evolved(const Vector3 &moments, const Vector3 &omega0, double timePerFrame, int frames)
{
    vorlix::RigidBodyState state;
    state.moments = moments;
    state.omega = omega0;
    for (int i = 0; i < frames; ++i)
        vorlix::integrateFrame(state, timePerFrame, 20, vorlix::accurate());
    return state.omega;
}

} // namespace

class TestPhysicsReadout : public QObject {
    Q_OBJECT

private slots:
    void panelUnits_data();
    void panelUnits();
    void impossibleMoments_data();
    void impossibleMoments();
};

void TestPhysicsReadout::panelUnits_data()
{
    QTest::addColumn<double>("speed");
    QTest::newRow("faster") << 2.5;
    QTest::newRow("backwards, slower") << -0.5;
    QTest::newRow("stopped") << 0.0;
}

// Running the panel's motion at Speed s for t seconds must land where the panel's own
// motion is at τ = s·t, integrated independently at Speed 1 (backwards when s < 0).
void TestPhysicsReadout::panelUnits()
{
    QFETCH(double, speed);
    const Vector3 moments { 1, 2, 3 }, panelOmega { 0.3, 1, 0.2 };
    const double frame = 0.01;
    const int frames = 150;
    const Vector3 simulated = evolved(moments, speed * panelOmega, frame, frames);
    const vorlix::PhysicsReadout r = vorlix::physicsReadout(moments, simulated, frames * frame,
        vorlix::kineticEnergy(moments, panelOmega),
        vorlix::angularMomentumMagnitude(moments, panelOmega), frame, 20, speed);

    QCOMPARE(r.available, speed != 0);
    QCOMPARE(r.subStep, std::fabs(speed) * frame / 20);
    const auto samples = vorlix::inPanelUnits({ { frames * frame, simulated } }, speed);
    if (speed == 0) {
        QVERIFY(samples.empty());
        return;
    }
    const Vector3 expected = evolved(moments, panelOmega, speed * frame, frames);
    QCOMPARE(r.time, speed * frames * frame);
    QCOMPARE(samples.at(0).time, r.time);
    QVERIFY(norm(samples.at(0).omega - expected) < 1e-9);
    QVERIFY(std::fabs(r.energyDrift) < 1e-9 && std::fabs(r.momentumDrift) < 1e-12);
    QVERIFY(std::fabs(r.energy - vorlix::kineticEnergy(moments, expected)) < 1e-9);
}

void TestPhysicsReadout::impossibleMoments_data()
{
    QTest::addColumn<Vector3>("moments");
    QTest::addColumn<bool>("impossible");
    QTest::newRow("solid") << Vector3 { 1, 2, 3 } << false;
    // 1.234564 + 0.7654324 = 1.9999964, each rounded to six digits.
    QTest::newRow("flat, rounded") << Vector3 { 1.23456, 2, 0.765432 } << false;
    QTest::newRow("thin rod") << Vector3 { 0, 1, 1 } << false;
    QTest::newRow("Ix 1e-4 past Iy + Iz") << Vector3 { 2.0002, 1, 1 } << true;
}

void TestPhysicsReadout::impossibleMoments()
{
    QFETCH(Vector3, moments);
    QFETCH(bool, impossible);
    QCOMPARE(vorlix::physicsReadout(moments, { 1, 1, 1 }, 0, 1, 1, 0.01, 1, 1).impossibleMoments,
        impossible);
}

QTEST_APPLESS_MAIN(TestPhysicsReadout)
#include "tst_physicsreadout.moc"
