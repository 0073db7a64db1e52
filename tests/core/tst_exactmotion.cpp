// SPDX-License-Identifier: GPL-3.0-or-later
#include "accuratestepper.h"
#include "compensatedsum.h"
#include "exactmotion.h"
#include "invariants.h"
#include "settingsfile.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTextStream>
#include <QtTest>
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
    const double middle = std::max(std::min(i.x, i.y), std::min(std::max(i.x, i.y), i.z));
    return std::abs(
        std::pow(angularMomentumMagnitude(i, w), 2) / (2 * kineticEnergy(i, w) * middle) - 1);
}

// The shipped presets, then random bodies (moments in [1, 10], |ωᵢ| ≤ 3, any pose) at least
// 5 % of the middle moment off the separatrix.
void addBodyRows(int randomBodies)
{
    QTest::addColumn<Vector3>("moments");
    QTest::addColumn<Vector3>("omega");
    QTest::addColumn<Matrix4>("start");
    QFile file(QFINDTESTDATA("../../data/default.ini"));
    QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
    QTextStream in(&file);
    for (const Preset &p : readSettings(in).presets)
        QTest::newRow(qPrintable(p.name)) << Vector3 { p.inertiaX, p.inertiaY, p.inertiaZ }
                                          << Vector3 { p.omegaX, p.omegaY, p.omegaZ } << tilted;
    QRandomGenerator random(20240611);
    const auto uniform = [&](double a, double b) {
        return Vector3 { a, a, a }
        + (b - a)
            * Vector3 { random.generateDouble(), random.generateDouble(), random.generateDouble() };
    };
    for (int n = 0; n < randomBodies;) {
        const Vector3 i = uniform(1, 10), w = uniform(-3, 3), axis = uniform(-1, 1);
        if (separatrixDistance(i, w) >= 0.05)
            QTest::addRow("random %d", n++)
                << i << w << rotation(360 * random.generateDouble(), axis.x, axis.y, axis.z);
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

} // namespace

class TestExactMotion : public QObject {
    Q_OBJECT

private slots:
    void followsEachBody_data() { addBodyRows(full ? 20 : 4); }
    void followsEachBody()
    {
        // The accurate stepper is of fourth order: 4 sub-steps of the 4 ms tick leave 1/256 of
        // the 1e-8 of one. Near the separatrix its energy drifts by ~1e-17 a call, which moves
        // the flips by 1e-7 within two minutes: such bodies are compared for 30 s.
        QFETCH(Vector3, moments);
        QFETCH(Vector3, omega);
        QFETCH(Matrix4, start);
        RigidBodyState body { moments, {}, omega, {}, start };
        const ExactMotion exact(moments, omega, start);
        const int ticks = separatrixDistance(moments, omega) >= 0.05 ? 150000 : 7500;
        double dw = 0, angle = 0;
        for (int tick = 1; tick <= ticks; ++tick) {
            integrateFrame(body, 0.004, full ? 1000 : 4, accurate());
            const Sample s = exact.at(tick * 0.004);
            dw = std::max(dw, relativeError(body.omega, s.omega));
            angle = std::max(angle, rotationAngleBetween(body.orientation, s.orientation));
        }
        qInfo("%d s: |Δω|/|ω| %.2g, θ %.2g rad", ticks / 250, dw, angle);
        QVERIFY(dw <= 1e-7 && angle <= 1e-7);
        // Restarting from the state an hour on changes nothing; T, |L| and L in space stay.
        const ExactMotion resumed(moments, exact.at(3600).omega, exact.at(3600).orientation);
        const Vector3 l = worldAngularMomentum(moments, omega, start);
        for (double t : { 0.37, 41.0, 600.0, 86400.0 }) {
            const Sample s = exact.at(t);
            const Vector3 ratios { kineticEnergy(moments, s.omega) / exact.kineticEnergy(),
                angularMomentumMagnitude(moments, s.omega) / norm(l), 1 };
            QVERIFY(same(resumed.at(t), exact.at(3600 + t), 1e-9)
                && relativeError(ratios, { 1, 1, 1 }) <= 1e-13);
            QVERIFY(
                relativeError(worldAngularMomentum(moments, s.omega, s.orientation), l) <= 1e-12);
        }
    }

    void restartsWhereTheBodyTurnsBack()
    {
        // 1e-10 of |L|² off the separatrix, the body turns back 1e-4 from the middle axis,
        // where cn and dn are that small; a restart there must find its place all the same.
        const Vector3 i { 1, 2, 3 }, w { std::sqrt(3) * 0.05 + 1e-7, 4, 0.05 };
        const ExactMotion first(i, w, tilted);
        double turn = 0;
        for (double t = 0; t < 20; t += 1e-3)
            turn = std::abs(first.omegaAt(t).x) < std::abs(first.omegaAt(turn).x) ? t : turn;
        const ExactMotion resumed(i, first.at(turn).omega, first.at(turn).orientation);
        for (double t : { 0.5, 3.0, 20.0 })
            QVERIFY(same(resumed.at(t), first.at(turn + t), 1e-9));
    }

    void separatrixIsHyperbolic_data()
    {
        // I = (2, 3, 6), ω = (3, 0, 1): D = 3 exactly, and Euler's equations give
        // ω = a·sech(√2·t) + b·tanh(√2·t). The second body's axes are an odd permutation.
        QTest::addColumn<Vector3>("moments");
        QTest::addColumn<Vector3>("a");
        QTest::addColumn<Vector3>("b");
        QTest::newRow("2, 3, 6") << Vector3 { 2, 3, 6 } << Vector3 { 3, 0, 1 }
                                 << Vector3 { 0, std::sqrt(8), 0 };
        QTest::newRow("3, 2, 6") << Vector3 { 3, 2, 6 } << Vector3 { 0, 3, 1 }
                                 << Vector3 { -std::sqrt(8), 0, 0 };
    }
    void separatrixIsHyperbolic()
    {
        QFETCH(Vector3, moments);
        QFETCH(Vector3, a);
        QFETCH(Vector3, b);
        const ExactMotion motion(moments, a, tilted);
        QCOMPARE(motion.regime(), ExactMotion::Regime::Separatrix);
        for (double u = 0; u <= 85; u += 0.7)
            QVERIFY(relativeError(
                        motion.omegaAt(u / std::sqrt(2)), (1 / std::cosh(u)) * a + std::tanh(u) * b)
                <= 1e-12);
        // The orientation from the stepper, before its rounding grows (as e^{√2·t}).
        RigidBodyState body { moments, {}, a, {}, tilted };
        integrateFrame(body, 3, 3000, accurate());
        QVERIFY(same({ body.omega, body.orientation }, motion.at(3), 1e-11));
    }

    void symmetricTopPrecesses_data()
    {
        // The body turns about L, fixed in space, at |L|/I⊥ and about its symmetry axis s at
        // Ω = (1/Iₛ − 1/I⊥)·Lₛ: O(t) = R(L, |L|·t/I⊥)·O₀·Rₛ(Ω·t), and ω turns by −Ω·t in the body.
        QTest::addColumn<Vector3>("moments");
        QTest::addColumn<Vector3>("omega");
        QTest::addColumn<Vector3>("axis");
        QTest::newRow("2, 2, 1") << Vector3 { 2, 2, 1 } << Vector3 { 1, 0, 3 }
                                 << Vector3 { 0, 0, 1 };
        QTest::newRow("4, 3, 3") << Vector3 { 4, 3, 3 } << Vector3 { 2, -1, 0.5 }
                                 << Vector3 { 1, 0, 0 };
        QTest::newRow("sphere") << Vector3 { 3, 3, 3 } << Vector3 { 2, -1, 0.5 }
                                << Vector3 { 0, 0, 1 };
    }
    void symmetricTopPrecesses()
    {
        QFETCH(Vector3, moments);
        QFETCH(Vector3, omega);
        QFETCH(Vector3, axis);
        const ExactMotion motion(moments, omega, tilted);
        const Vector3 l = worldAngularMomentum(moments, omega, tilted);
        const double spin = (1 - dot(axis, moments) / moments.y) * dot(axis, omega) * 180 / M_PI;
        for (double t : { 0.0, 1e-10, 1e-4, 0.7, 2.5, 13.0, 60.0 }) {
            // Turning O₀ about L by α also checks the angle between orientations, α folded to [0,
            // π].
            const double alpha = norm(l) / moments.y * t;
            const Matrix4 turned = multiply(rotation(alpha * 180 / M_PI, l.x, l.y, l.z), tilted);
            QVERIFY(std::abs(rotationAngleBetween(tilted, turned)
                        - std::abs(std::remainder(alpha, 2 * M_PI)))
                <= 1e-15 + 1e-14 * alpha);
            const Vector3 w = toWorld(rotation(-spin * t, axis.x, axis.y, axis.z), omega);
            QVERIFY(same(motion.at(t),
                { w, multiply(turned, rotation(spin * t, axis.x, axis.y, axis.z)) }, 1e-12));
        }
    }

    void flipIntervalIsTwiceK()
    {
        // The flip preset: ωy ∝ sn(λt, k) changes sign every 2K(k)/λ, λ² = (Iz − Iy)(L² − 2T·Ix)
        // /(Ix·Iy·Iz), k² = (Iy − Ix)(2T·Iz − L²)/((Iz − Iy)(L² − 2T·Ix)) (Landau & Lifshitz,
        // §37), here with 2T = 32.01 and L² = 64.025.
        const double k = std::sqrt((3 * 32.01 - 64.025) / (64.025 - 32.01));
        const double interval = 2 * boost::math::ellint_1(k) / std::sqrt((64.025 - 32.01) / 6);
        const ExactMotion motion({ 1, 2, 3 }, { 0.05, 4, 0.05 }, tilted);
        // The first sign change of ωy after t, bracketed in 50 ms and bisected.
        const auto crossingAfter = [&](double t, double later = 0) {
            const auto before
                = [&](double u) { return motion.omegaAt(u).y * motion.omegaAt(t).y > 0; };
            for (later = t; before(later);)
                later += 0.05;
            for (int n = 0; n < 60; ++n)
                (before((t + later) / 2) ? t : later) = (t + later) / 2;
            return later;
        };
        const double first = crossingAfter(0), second = crossingAfter(first + 0.1);
        const double late = crossingAfter(3600), flips = std::round((late - first) / interval);
        QVERIFY(std::abs((second - first) / interval - 1) <= 1e-12);
        QVERIFY(std::abs((late - first) / (flips * interval) - 1) <= 1e-12);
    }

    void compensatedClockKeepsDigits()
    {
        // An hour of 4 ms ticks sums to n·h to an ulp or two; a plain sum misses by ~1e-10.
        CompensatedSum clock;
        for (int n = 0; n < 900000; ++n)
            clock.add(0.004);
        QVERIFY(std::abs(clock.value() - 900000 * 0.004) <= 1e-12);
    }
};

QTEST_APPLESS_MAIN(TestExactMotion)

#include "tst_exactmotion.moc"
