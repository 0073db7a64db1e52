// SPDX-License-Identifier: GPL-3.0-or-later
#include "accuratestepper.h"
#include "compensatedsum.h"
#include "exactmotion.h"
#include "invariants.h"
#include "settingsfile.h"

#include <QtTest> // and with it QtCore
#include <boost/math/special_functions/ellint_1.hpp>

using namespace vorlix;
using Sample = ExactMotion::Sample;
Q_DECLARE_METATYPE(Matrix4)
Q_DECLARE_METATYPE(Vector3)

namespace {

// VORLIX_EXACT_FULL=1: the stepper at 1000 sub-steps a tick, and 20 random bodies.
const bool full = qEnvironmentVariableIntValue("VORLIX_EXACT_FULL") == 1;
const Matrix4 tilted = multiply(rotation(35, 1, 2, 3), rotation(-120, 0, 1, 1));

// |D − I_mid|/I_mid, D = |L|²/(2T): how near the body tumbles to the separatrix.
double separatrixDistance(const Vector3 &i, const Vector3 &w)
{
    const double d = std::pow(angularMomentumMagnitude(i, w), 2) / (2 * kineticEnergy(i, w));
    return std::abs(d / std::max(std::min(i.x, i.y), std::min(std::max(i.x, i.y), i.z)) - 1);
}

// The shipped presets, then random bodies (moments in [1, 10], |ωᵢ| ≤ 3, any pose) at least
// 5 % of the middle moment off the separatrix.
void addBodyRows(int randomBodies)
{
    QTest::addColumn<Vector3>("i");
    QTest::addColumn<Vector3>("w");
    QTest::addColumn<Matrix4>("o");
    QFile file(QFINDTESTDATA("../../data/default.ini"));
    QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
    QTextStream in(&file);
    for (const Preset &p : readSettings(in).presets)
        QTest::newRow(qPrintable(p.name)) << Vector3 { p.inertiaX, p.inertiaY, p.inertiaZ }
                                          << Vector3 { p.omegaX, p.omegaY, p.omegaZ } << tilted;
    QRandomGenerator random(20240611);
    const auto uniform = [&](double a, double b) { return a + (b - a) * random.generateDouble(); };
    for (int n = 0; n < randomBodies;) {
        const Vector3 i { uniform(1, 10), uniform(1, 10), uniform(1, 10) };
        const Vector3 w { uniform(-3, 3), uniform(-3, 3), uniform(-3, 3) };
        const Vector3 axis { uniform(-1, 1), uniform(-1, 1), uniform(-1, 1) };
        const Matrix4 o = rotation(360 * random.generateDouble(), axis.x, axis.y, axis.z);
        if (separatrixDistance(i, w) >= 0.05)
            QTest::addRow("random %d", n++) << i << w << o;
    }
}

double relativeError(const Vector3 &actual, const Vector3 &expected)
{
    return norm(actual - expected) / norm(expected);
}

bool same(const Sample &a, const Sample &b, double tolerance)
{
    return relativeError(a.omega, b.omega) <= tolerance
        && rotationAngleBetween(a.orientation, b.orientation) <= tolerance;
}

// The first sign change of ωy after t, bracketed in 50 ms and bisected.
double signChangeAfter(const ExactMotion &motion, double t)
{
    const double sign = motion.omegaAt(t).y;
    const auto before = [&](double u) { return motion.omegaAt(u).y * sign > 0; };
    double later = t;
    while (before(later))
        later += 0.05;
    for (int n = 0; n < 60; ++n)
        (before((t + later) / 2) ? t : later) = (t + later) / 2;
    return later;
}

} // namespace

class TestExactMotion : public QObject {
    Q_OBJECT

private slots:
    // The first five random bodies tumble on both sides of the separatrix.
    void followsEachBody_data() { addBodyRows(full ? 20 : 5); }
    void followsEachBody()
    {
        // The stepper's fourth order: 4 sub-steps a tick leave 1/256 of the 1e-8 of one. Its energy
        // drifts ~1e-17 a call, moving near-separatrix flips by 1e-7 in 2 min: those get 30 s,
        // and a start within 1e-5 of it, which magnifies every rounding, one flip's 8 s.
        QFETCH(Vector3, i);
        QFETCH(Vector3, w);
        QFETCH(Matrix4, o);
        RigidBodyState body { i, {}, w, {}, o };
        const ExactMotion exact(i, w, o);
        const double distance = separatrixDistance(i, w);
        const int ticks = distance >= 0.05 ? 150000 : distance >= 1e-5 ? 7500 : 2000;
        CompensatedSum clock;
        double dw = 0, angle = 0;
        for (int tick = 1; tick <= ticks; ++tick) {
            integrateFrame(body, 0.004, full ? 1000 : 4, accurate());
            clock.add(0.004);
            const Sample s = exact.at(clock.value());
            dw = std::max(dw, relativeError(body.omega, s.omega));
            angle = std::max(angle, rotationAngleBetween(body.orientation, s.orientation));
        }
        qInfo("%d s: |Δω|/|ω| %.2g, θ %.2g rad", ticks / 250, dw, angle);
        QVERIFY(dw <= 1e-7 && angle <= 1e-7);
        QVERIFY(std::abs(clock.value() - ticks * 0.004) <= 1e-13); // a plain sum misses by 1e-11
        // Restarting from the state an hour on changes nothing; T, |L| and L in space stay.
        const ExactMotion resumed(i, exact.at(3600).omega, exact.at(3600).orientation);
        const Vector3 l = worldAngularMomentum(i, w, o);
        for (double t : { 0.37, 41.0, 600.0, 3600.0 }) {
            QVERIFY(same(resumed.at(t), exact.at(3600 + t), 1e-9));
            const Sample s = exact.at(t);
            QVERIFY(std::abs(kineticEnergy(i, s.omega) / exact.kineticEnergy() - 1) <= 1e-13);
            QVERIFY(std::abs(angularMomentumMagnitude(i, s.omega) / norm(l) - 1) <= 1e-13);
            QVERIFY(relativeError(worldAngularMomentum(i, s.omega, s.orientation), l) <= 1e-12);
        }
    }

    void flipsEvery2KOverLambda()
    {
        // The flip preset: ωy ∝ sn(λt, k) changes sign every 2K(k)/λ, λ² = (Iz − Iy)(L² − 2T·Ix)
        // /(Ix·Iy·Iz), k² = (Iy − Ix)(2T·Iz − L²)/((Iz − Iy)(L² − 2T·Ix)) (Landau & Lifshitz,
        // §37), here with 2T = 32.01 and L² = 64.025.
        const double k = std::sqrt((3 * 32.01 - 64.025) / (64.025 - 32.01));
        const double interval = 2 * boost::math::ellint_1(k) / std::sqrt((64.025 - 32.01) / 6);
        const ExactMotion flip({ 1, 2, 3 }, { 0.05, 4, 0.05 }, tilted);
        const double first = signChangeAfter(flip, 0);
        QVERIFY(std::abs((signChangeAfter(flip, first + 0.1) - first) / interval - 1) <= 1e-12);
        // 1e-10 of |L|² off the separatrix the body turns back 1e-4 from the middle axis, midway
        // between flips, where cn and dn are that small; a restart there must still fit.
        const Vector3 i { 1, 2, 3 }, w { std::sqrt(3) * 0.05 + 1e-7, 4, 0.05 };
        const ExactMotion near(i, w, tilted);
        const double flipped = signChangeAfter(near, 0);
        const double turn = (flipped + signChangeAfter(near, flipped + 0.1)) / 2;
        const ExactMotion resumed(i, near.at(turn).omega, near.at(turn).orientation);
        for (double t : { 0.5, 3.0, 20.0 })
            QVERIFY(same(resumed.at(t), near.at(turn + t), 1e-9));
    }

    void separatrixIsHyperbolic()
    {
        // I = (3, 1, 6), ω = (0, 3, −1): D = 3, and ω = a·sech(√5·t) + b·tanh(√5·t) solves Euler's
        // equations. The axes sorted by moment are an odd permutation, L_z < 0 and A₃ = 2·A₁.
        const Vector3 i { 3, 1, 6 }, a { 0, 3, -1 }, b { std::sqrt(5), 0, 0 };
        const ExactMotion motion(i, a, tilted);
        QCOMPARE(motion.regime(), ExactMotion::Regime::Separatrix);
        for (double u = 0; u <= 134; u += 0.7) {
            const Vector3 expected = (1 / std::cosh(u)) * a + std::tanh(u) * b;
            QVERIFY(relativeError(motion.omegaAt(u / std::sqrt(5)), expected) <= 1e-12);
        }
        // The orientation from the stepper, before its rounding grows (as e^{√5·t}).
        RigidBodyState body { i, {}, a, {}, tilted };
        integrateFrame(body, 3, 12000, accurate());
        QVERIFY(same({ body.omega, body.orientation }, motion.at(3), 1e-11));
    }

    void symmetricTopPrecesses_data()
    {
        // The body turns about L, fixed in space, at |L|/I⊥ and about its symmetry axis s at
        // Ω = (1/Iₛ − 1/I⊥)·Lₛ: O(t) = R(L, |L|·t/I⊥)·O₀·Rₛ(Ω·t), and ω turns by −Ω·t in the body.
        QTest::addColumn<Vector3>("i");
        QTest::addColumn<Vector3>("w");
        QTest::addColumn<Vector3>("s");
        QTest::newRow("z") << Vector3 { 2, 2, 1 } << Vector3 { 1, 0, 3 } << Vector3 { 0, 0, 1 };
        QTest::newRow("x") << Vector3 { 4, 3, 3 } << Vector3 { 2, -1, 0.5 } << Vector3 { 1, 0, 0 };
    }
    void symmetricTopPrecesses()
    {
        QFETCH(Vector3, i);
        QFETCH(Vector3, w);
        QFETCH(Vector3, s);
        const ExactMotion motion(i, w, tilted);
        const Vector3 l = worldAngularMomentum(i, w, tilted);
        const double spin = (1 - dot(s, i) / i.y) * dot(s, w) * 180 / M_PI;
        for (double t : { 0.0, 1e-10, 1e-4, 0.7, 2.5, 13.0, 60.0 }) {
            // Turning O₀ about L by α also checks the angle between orientations, |α| mod 2π.
            const double alpha = norm(l) / i.y * t;
            const Matrix4 turned = multiply(rotation(alpha * 180 / M_PI, l.x, l.y, l.z), tilted);
            const double folded = std::abs(std::remainder(alpha, 2 * M_PI));
            QVERIFY(
                std::abs(rotationAngleBetween(tilted, turned) - folded) <= 1e-15 + 1e-14 * alpha);
            const Matrix4 spun = rotation(spin * t, s.x, s.y, s.z),
                          back = rotation(-spin * t, s.x, s.y, s.z);
            QVERIFY(same(motion.at(t), { toWorld(back, w), multiply(turned, spun) }, 1e-12));
        }
    }
};

QTEST_APPLESS_MAIN(TestExactMotion)

#include "tst_exactmotion.moc"
