// SPDX-License-Identifier: GPL-3.0-or-later
#include "accuratestepper.h"
#include "matrixcompare.h"
#include "rigidbody.h"

#include <QtTest>
#include <cmath>

using vorlix::Matrix4;
using vorlix::RigidBodyState;
using vorlix::Stepper;
using vorlix::Vector3;

Q_DECLARE_METATYPE(Matrix4)
Q_DECLARE_METATYPE(Vector3)
Q_DECLARE_METATYPE(const Stepper *)

namespace {

#define COMPARE_NEAR(actual, expected, tolerance)                                                  \
    QVERIFY2(std::abs((actual) - (expected)) <= (tolerance),                                       \
        QByteArray::number(actual, 'g', 17) + " != " + QByteArray::number(expected, 'g', 17))

void compareNear(const Vector3 &actual, const Vector3 &expected, double tolerance)
{
    COMPARE_NEAR(actual.x, expected.x, tolerance);
    COMPARE_NEAR(actual.y, expected.y, tolerance);
    COMPARE_NEAR(actual.z, expected.z, tolerance);
}

bool allFinite(const Matrix4 &m)
{
    for (double e : m)
        if (!std::isfinite(e))
            return false;
    return true;
}

// A rotation far from the identity, so that body axes and world axes differ.
Matrix4 tiltedOrientation()
{
    return vorlix::multiply(vorlix::rotation(35, 1, 2, 3), vorlix::rotation(-120, 0, 1, 1));
}

// The turn written the way the GL matrix stack composes it: glRotated about each old body
// axis (a column of O, in world coordinates), then glMultMatrixd(O).
Matrix4 turnAboutOldColumnsPremultiplied(const Matrix4 &o, const Vector3 &degrees)
{
    Matrix4 m = vorlix::rotation(degrees.x, o[0], o[1], o[2]);
    m = vorlix::multiply(m, vorlix::rotation(degrees.y, o[4], o[5], o[6]));
    m = vorlix::multiply(m, vorlix::rotation(degrees.z, o[8], o[9], o[10]));
    return vorlix::multiply(m, o);
}

// O · Rx · Ry · Rz with the turns about the coordinate axes.
Matrix4 turnPostmultiplied(const Matrix4 &o, const Vector3 &degrees)
{
    Matrix4 m = vorlix::multiply(o, vorlix::rotation(degrees.x, 1, 0, 0));
    m = vorlix::multiply(m, vorlix::rotation(degrees.y, 0, 1, 0));
    return vorlix::multiply(m, vorlix::rotation(degrees.z, 0, 0, 1));
}

RigidBodyState bodyWith(
    Vector3 moments, Vector3 omega, Matrix4 orientation = vorlix::identityMatrix())
{
    RigidBodyState state;
    state.moments = moments;
    state.coefficients = vorlix::eulerCoefficients(moments.x, moments.y, moments.z);
    state.omega = omega;
    state.orientation = orientation;
    return state;
}

// Kinetic energy ½·Σ I·ω² and the angular momentum I·ω carried into world coordinates by
// the orientation's first three columns.
double kineticEnergy(const Vector3 &i, const Vector3 &w)
{
    return 0.5 * (i.x * w.x * w.x + i.y * w.y * w.y + i.z * w.z * w.z);
}

Vector3 worldAngularMomentum(const Vector3 &i, const RigidBodyState &s)
{
    const Vector3 l { i.x * s.omega.x, i.y * s.omega.y, i.z * s.omega.z };
    const Matrix4 &o = s.orientation;
    return { o[0] * l.x + o[4] * l.y + o[8] * l.z, o[1] * l.x + o[5] * l.y + o[9] * l.z,
        o[2] * l.x + o[6] * l.y + o[10] * l.z };
}

double length(const Vector3 &v)
{
    return std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
}

void addStepperRows()
{
    QTest::addColumn<const Stepper *>("stepper");
    for (const Stepper *stepper : { &vorlix::explicitEuler(), &vorlix::accurate() })
        QTest::newRow(stepper->name()) << stepper;
}

// Jacobi's (cn, sn, dn)(u | m) and K(m) by the AGM (Abramowitz & Stegun 16.4).
Vector3 jacobi(double u, double m, double *completeK = nullptr)
{
    std::vector<double> a { 1 }, c { std::sqrt(m) };
    for (double b = std::sqrt(1 - m); c.back() > 1e-15 * a.back(); b = std::sqrt(a.end()[-2] * b)) {
        c.push_back((a.back() - b) / 2);
        a.push_back(a.back() - c.back());
    }
    if (completeK)
        *completeK = M_PI / (2 * a.back());
    double phi = std::ldexp(a.back() * u, int(a.size()) - 1);
    for (size_t j = a.size() - 1; j > 0; --j)
        phi = (phi + std::asin(c[j] / a[j] * std::sin(phi))) / 2;
    return { std::cos(phi), std::sin(phi), std::sqrt(1 - m * std::pow(std::sin(phi), 2)) };
}

} // namespace

class TestRigidBody : public QObject {
    Q_OBJECT

private slots:
    void eulerCoefficients_data()
    {
        QTest::addColumn<Vector3>("moments");
        QTest::addColumn<Vector3>("expected");

        QTest::newRow("1, 2, 3") << Vector3 { 1, 2, 3 } << Vector3 { 1, -1, 1.0 / 3 };
        QTest::newRow("equal moments") << Vector3 { 2.5, 2.5, 2.5 } << Vector3 { 0, 0, 0 };
        QTest::newRow("symmetric top") << Vector3 { 2, 1, 1 } << Vector3 { 0, 1, -1 };
        QTest::newRow("large moments") << Vector3 { 4e8, 1e8, 2e8 } << Vector3 { 0.25, 2, -1.5 };
    }
    void eulerCoefficients()
    {
        QFETCH(Vector3, moments);
        QFETCH(Vector3, expected);
        const Vector3 c = vorlix::eulerCoefficients(moments.x, moments.y, moments.z);
        compareNear(c, expected, 1e-15);
    }
    void eulerIncrement_data()
    {
        QTest::addColumn<Vector3>("omega");
        QTest::addColumn<double>("h");
        QTest::addColumn<Vector3>("expected");

        // Moments 1, 2, 3 throughout: coefficients 1, −1, 1/3.
        QTest::newRow("unit omega")
            << Vector3 { 1, 1, 1 } << 0.01 << Vector3 { -0.01, 0.01, -0.01 / 3 };
        QTest::newRow("distinct components")
            << Vector3 { 2, 3, 5 } << 0.01 << Vector3 { -0.15, 0.1, -0.02 };
        QTest::newRow("sign follows omega")
            << Vector3 { -2, 3, 5 } << 0.01 << Vector3 { -0.15, -0.1, 0.02 };
        QTest::newRow("zero step") << Vector3 { 2, 3, 5 } << 0.0 << Vector3 { 0, 0, 0 };
    }
    void eulerIncrement()
    {
        QFETCH(Vector3, omega);
        QFETCH(double, h);
        QFETCH(Vector3, expected);
        const Vector3 d = vorlix::eulerIncrement(vorlix::eulerCoefficients(1, 2, 3), omega, h);
        compareNear(d, expected, 1e-15);
    }
    void turnAboutBodyAxes_data()
    {
        QTest::addColumn<Matrix4>("start");
        QTest::addColumn<Vector3>("degrees");

        QTest::newRow("identity, small angles")
            << vorlix::identityMatrix() << Vector3 { 0.5, 0.7, -0.3 };
        QTest::newRow("tilted, small angles") << tiltedOrientation() << Vector3 { 0.5, 0.7, -0.3 };
        // Large angles make any mix-up of order or axes show at first order.
        QTest::newRow("identity, quarter turns")
            << vorlix::identityMatrix() << Vector3 { 90, 90, 0 };
        QTest::newRow("tilted, large angles") << tiltedOrientation() << Vector3 { 80, -45, 130 };
        QTest::newRow("only z") << tiltedOrientation() << Vector3 { 0, 0, 33 };
    }
    void turnAboutBodyAxes()
    {
        QFETCH(Matrix4, start);
        QFETCH(Vector3, degrees);
        Matrix4 turned = start;
        vorlix::turnAboutBodyAxes(turned, degrees);
        COMPARE_MATRIX(turned, turnPostmultiplied(start, degrees));
        COMPARE_MATRIX(turned, turnAboutOldColumnsPremultiplied(start, degrees));
    }
    void oneSubStep_data()
    {
        QTest::addColumn<Matrix4>("start");
        QTest::newRow("from identity") << vorlix::identityMatrix();
        QTest::newRow("from a tilted orientation") << tiltedOrientation();
    }
    void oneSubStep()
    {
        QFETCH(Matrix4, start);
        RigidBodyState body = bodyWith({ 1, 2, 3 }, { 1, 1, 1 }, start);

        vorlix::integrateFrame(body, 0.01, 1);

        compareNear(body.lastIncrement, { -0.01, 0.01, -0.0033333333333333 }, 1e-15);
        compareNear(body.omega, { 0.99, 1.01, 0.9966666666666667 }, 1e-15);

        // The turn uses the updated ω, in degrees with the program's fixed conversion factor.
        const double f = 0.01 * 57.2957795;
        const Vector3 degrees { 0.99 * f, 1.01 * f, (1 - 0.01 / 3) * f };
        COMPARE_MATRIX(body.orientation, turnAboutOldColumnsPremultiplied(start, degrees));
        COMPARE_MATRIX(body.orientation, turnPostmultiplied(start, degrees));
    }
    void tickAboutY()
    {
        // One tick at the start-up time base: 1000 sub-steps of 5 µs.
        RigidBodyState body = bodyWith({ 1, 2, 3 }, { 0, 1, 0 });
        vorlix::integrateFrame(body, 0.005, 1000);

        const Matrix4 &o = body.orientation;
        // A turn about y leaves the y axis alone and moves x in the zx plane: x' = (cos, 0, −sin).
        COMPARE_NEAR(o[5], 1.0, 1e-15);
        COMPARE_NEAR(o[1], 0.0, 1e-15);
        COMPARE_NEAR(o[9], 0.0, 1e-15);
        // Rounding over 1000 compositions stays far below the tolerance, which is still tight
        // enough to tell the fixed factor 57.2957795 from 180/π (6.5e-11 degrees apart here).
        const double degrees = std::atan2(-o[2], o[0]) * 180 / M_PI;
        COMPARE_NEAR(degrees, 0.2864788975, 1e-12);
        QCOMPARE(body.omega.y, 1.0);
    }
    void equalMomentsKeepOmega_data() { addStepperRows(); }
    void equalMomentsKeepOmega()
    {
        QFETCH(const Stepper *, stepper);
        const Vector3 omega { 0.3, -1.2, 0.7 };
        RigidBodyState body = bodyWith({ 2, 2, 2 }, omega);
        const RigidBodyState firstStep = [&] {
            RigidBodyState once = body;
            vorlix::integrateFrame(once, 0.001, 1, *stepper);
            return once;
        }();

        vorlix::integrateFrame(body, 0.1, 100, *stepper);

        QCOMPARE(body.omega.x, omega.x);
        QCOMPARE(body.omega.y, omega.y);
        QCOMPARE(body.omega.z, omega.z);
        // Uniform turning: every sub-step applies the same body-frame turn as the first.
        Matrix4 repeated = vorlix::identityMatrix();
        for (int i = 0; i < 100; ++i)
            repeated = vorlix::multiply(repeated, firstStep.orientation);
        COMPARE_MATRIX(body.orientation, repeated);
    }
    void singleAxisSpinIsSteady_data()
    {
        QTest::addColumn<Vector3>("omega");
        QTest::addColumn<const Stepper *>("stepper");
        for (const Stepper *stepper : { &vorlix::explicitEuler(), &vorlix::accurate() }) {
            QTest::addRow("about x, %s", stepper->name()) << Vector3 { 2, 0, 0 } << stepper;
            QTest::addRow("about y, %s", stepper->name()) << Vector3 { 0, -0.5, 0 } << stepper;
            QTest::addRow("about z, %s", stepper->name()) << Vector3 { 0, 0, 3 } << stepper;
        }
    }
    void singleAxisSpinIsSteady()
    {
        QFETCH(Vector3, omega);
        QFETCH(const Stepper *, stepper);
        RigidBodyState body = bodyWith({ 1, 2, 3 }, omega);
        vorlix::integrateFrame(body, 0.05, 500, *stepper);

        QCOMPARE(body.lastIncrement.x, 0.0);
        QCOMPARE(body.lastIncrement.y, 0.0);
        QCOMPARE(body.lastIncrement.z, 0.0);
        QCOMPARE(body.omega.x, omega.x);
        QCOMPARE(body.omega.y, omega.y);
        QCOMPARE(body.omega.z, omega.z);
        // The spin axis itself does not move.
        const Vector3 axisOfSpin { omega.x / length(omega), omega.y / length(omega),
            omega.z / length(omega) };
        const Matrix4 &o = body.orientation;
        COMPARE_NEAR(
            o[0] * axisOfSpin.x + o[4] * axisOfSpin.y + o[8] * axisOfSpin.z, axisOfSpin.x, 1e-12);
        COMPARE_NEAR(
            o[1] * axisOfSpin.x + o[5] * axisOfSpin.y + o[9] * axisOfSpin.z, axisOfSpin.y, 1e-12);
        COMPARE_NEAR(
            o[2] * axisOfSpin.x + o[6] * axisOfSpin.y + o[10] * axisOfSpin.z, axisOfSpin.z, 1e-12);
    }
    void noSubSteps_data()
    {
        QTest::addColumn<int>("subSteps");
        QTest::newRow("zero") << 0;
        QTest::newRow("negative") << -5;
    }
    void noSubSteps()
    {
        QFETCH(int, subSteps);
        RigidBodyState body = bodyWith({ 1, 2, 3 }, { 1, 1, 1 }, tiltedOrientation());
        body.lastIncrement = { 0.25, 0.5, 0.75 };
        const RigidBodyState before = body;

        QVERIFY(vorlix::integrateFrame(body, 0.005, subSteps));

        QCOMPARE(body.omega.x, before.omega.x);
        QCOMPARE(body.omega.y, before.omega.y);
        QCOMPARE(body.omega.z, before.omega.z);
        QCOMPARE(body.lastIncrement.x, before.lastIncrement.x);
        QCOMPARE(body.lastIncrement.y, before.lastIncrement.y);
        QCOMPARE(body.lastIncrement.z, before.lastIncrement.z);
        QVERIFY(body.orientation == before.orientation);
    }
    void longRunStaysOrthonormal_data() { addStepperRows(); }
    void longRunStaysOrthonormal()
    {
        // A tumbling asymmetric body for 10^6 sub-steps of the start-up time base (1000 ticks).
        // Composing exact rotations keeps the columns orthonormal up to rounding, about 1e-16
        // a step. An in-place update that reads a column it has already overwritten in the
        // same turn shrinks the turned plane by cos² of the step angle each time, and turns
        // rounded to single precision (as on a float matrix stack) drift by about 1e-10 a
        // step: either leaves an error near 1e-4 after this run.
        QFETCH(const Stepper *, stepper);
        RigidBodyState body = bodyWith({ 1, 2, 3 }, { 1.0, 0.5, 2.0 });
        for (int tick = 0; tick < 1000; ++tick)
            vorlix::integrateFrame(body, 0.005, 1000, *stepper);

        const double error = vorlix::orthonormalityError(body.orientation);
        QVERIFY2(error < 1e-9, QByteArray::number(error, 'g', 6));
        QVERIFY(allFinite(body.orientation));
    }
    void shortRunConservesInvariants_data() { addStepperRows(); }
    void shortRunConservesInvariants()
    {
        // One simulated second in steps of 1e-5. The explicit step leaves the energy and |L|
        // unchanged at first order (the coefficients make the linear terms cancel), so each
        // grows by O(h²) a step, O(h) = 1e-5 relative over the run. The world-frame direction
        // of L drifts by O(h) as well, but only if the body is turned about its own axes: a turn
        // about the world axes moves L by O(1). Tolerances are ten times the expected drift.
        QFETCH(const Stepper *, stepper);
        const Vector3 moments { 1, 2, 3 };
        RigidBodyState body = bodyWith(moments, { 1.0, 0.5, 2.0 }, tiltedOrientation());
        const double energy = kineticEnergy(moments, body.omega);
        const Vector3 momentum = worldAngularMomentum(moments, body);

        for (int tick = 0; tick < 100; ++tick)
            vorlix::integrateFrame(body, 0.01, 1000, *stepper);

        const Vector3 momentumAfter = worldAngularMomentum(moments, body);
        const double relativeEnergyDrift
            = std::abs(kineticEnergy(moments, body.omega) - energy) / energy;
        const double relativeLengthDrift
            = std::abs(length(momentumAfter) - length(momentum)) / length(momentum);
        const Vector3 difference { momentumAfter.x - momentum.x, momentumAfter.y - momentum.y,
            momentumAfter.z - momentum.z };
        const double relativeMomentumDrift = length(difference) / length(momentum);

        QVERIFY2(relativeEnergyDrift < 1e-4, QByteArray::number(relativeEnergyDrift, 'g', 6));
        QVERIFY2(relativeLengthDrift < 1e-4, QByteArray::number(relativeLengthDrift, 'g', 6));
        QVERIFY2(relativeMomentumDrift < 1e-4, QByteArray::number(relativeMomentumDrift, 'g', 6));
    }
    void zeroMomentsPropagateNonFinite_data()
    {
        QTest::addColumn<Vector3>("moments");
        QTest::addColumn<const Stepper *>("stepper");
        for (const Stepper *stepper : { &vorlix::explicitEuler(), &vorlix::accurate() }) {
            QTest::addRow("Ix zero, %s", stepper->name()) << Vector3 { 0, 2, 3 } << stepper;
            QTest::addRow("Iy zero, Ix = Iz, %s", stepper->name())
                << Vector3 { 1, 0, 1 } << stepper;
            QTest::addRow("Iz zero, %s", stepper->name()) << Vector3 { 1, 2, 0 } << stepper;
            QTest::addRow("all zero, %s", stepper->name()) << Vector3 { 0, 0, 0 } << stepper;
        }
    }
    void zeroMomentsPropagateNonFinite()
    {
        QFETCH(Vector3, moments);
        QFETCH(const Stepper *, stepper);
        const Vector3 c = vorlix::eulerCoefficients(moments.x, moments.y, moments.z);
        QVERIFY(!std::isfinite(c.x) || !std::isfinite(c.y) || !std::isfinite(c.z));

        RigidBodyState body = bodyWith(moments, { 1, 1, 1 });
        QVERIFY(!vorlix::integrateFrame(body, 0.005, 10, *stepper));

        QVERIFY(!std::isfinite(body.omega.x) || !std::isfinite(body.omega.y)
            || !std::isfinite(body.omega.z));
        QVERIFY(!allFinite(body.orientation));
    }
    void flipIntervalMatchesClosedForm_data()
    {
        QTest::addColumn<double>("h");
        QTest::newRow("iterPerFrame 10") << 5e-4;
        QTest::newRow("iterPerFrame 100") << 5e-5;
    }
    void flipIntervalMatchesClosedForm()
    {
        // The flip preset: ωy ∝ sn(λt, k) changes sign every 2K(k)/λ, λ² = (Iz − Iy)(L² − 2T·Ix)
        // /(Ix·Iy·Iz), k² = (Iy − Ix)(2T·Iz − L²)/((Iz − Iy)(L² − 2T·Ix)) (Landau & Lifshitz,
        // Mechanics, §37). L in space stays put only if the orientation turns consistently.
        QFETCH(double, h);
        const Vector3 i { 1, 2, 3 };
        RigidBodyState body = bodyWith(i, { 0.05, 4, 0.05 }, tiltedOrientation());
        const double twiceT = 2 * kineticEnergy(i, body.omega);
        const Vector3 momentum = worldAngularMomentum(i, body);
        const double lSquared = dot(momentum, momentum), k0 = lSquared - twiceT * i.x;
        double interval;
        jacobi(0, (i.y - i.x) * (twiceT * i.z - lSquared) / ((i.z - i.y) * k0), &interval);
        interval *= 2 / std::sqrt((i.z - i.y) * k0 / (i.x * i.y * i.z));
        std::vector<double> crossings;
        for (long n = 0; crossings.size() < 3; ++n) {
            const double before = body.omega.y;
            vorlix::integrateFrame(body, h, 1, vorlix::accurate());
            if ((before < 0) != (body.omega.y < 0))
                crossings.push_back((n + before / (before - body.omega.y)) * h);
        }
        COMPARE_NEAR((crossings[1] - crossings[0]) / interval, 1.0, 1e-6);
        COMPARE_NEAR((crossings[2] - crossings[1]) / interval, 1.0, 1e-6);
        const Vector3 after = worldAngularMomentum(i, body);
        COMPARE_NEAR(kineticEnergy(i, body.omega), twiceT / 2, 1e-9 * twiceT);
        COMPARE_NEAR(dot(after, after) / lSquared, 1.0, 1e-9);
        COMPARE_NEAR(length(vorlix::cross(after, momentum)) / lSquared, 0.0, 1e-8);
    }
    void orderOfConvergence_data()
    {
        QTest::addColumn<const Stepper *>("stepper");
        QTest::addColumn<double>("h");
        QTest::addColumn<double>("ratio");
        QTest::newRow("Explicit Euler, first order") << &vorlix::explicitEuler() << 1e-3 << 2.0;
        QTest::newRow("Accurate, fourth order") << &vorlix::accurate() << 0.01 << 16.0;
    }
    void orderOfConvergence()
    {
        // I = (1, 2, 3), ω(0) = (1, 0, 1): ω(t) = (cn, sn, dn)(t | 1/3) solves Euler's equations
        // (cn' = −sn·dn, sn' = cn·dn, dn' = −sn·cn/3). Halving h divides the error by 2^order.
        QFETCH(const Stepper *, stepper);
        QFETCH(double, h);
        QFETCH(double, ratio);
        const Vector3 exact = jacobi(2.0, 1.0 / 3);
        double error[2];
        for (int halving = 0; halving < 2; ++halving) {
            RigidBodyState body = bodyWith({ 1, 2, 3 }, { 1, 0, 1 });
            vorlix::integrateFrame(body, 2.0, int(std::lround(2 / h)) << halving, *stepper);
            error[halving] = length(body.omega - exact);
        }
        COMPARE_NEAR(error[0] / error[1], ratio, 0.1 * ratio);
    }
    void symmetricTopPrecesses_data()
    {
        QTest::addColumn<const Stepper *>("stepper");
        QTest::addColumn<double>("tolerance");
        QTest::newRow("Explicit Euler, first order") << &vorlix::explicitEuler() << 1e-3;
        QTest::newRow("Accurate") << &vorlix::accurate() << 1e-12;
    }
    void symmetricTopPrecesses()
    {
        // Ix = Iy: the body turns about the fixed L at |L|/Ix and meanwhile about its symmetry
        // axis at (1/Iz − 1/Ix)·Lz, O(t) = O₀·R(L, |L|·t/Ix)·Rz((1/Iz − 1/Ix)·Lz·t); L = (1, ½, 4).
        QFETCH(const Stepper *, stepper);
        QFETCH(double, tolerance);
        RigidBodyState body = bodyWith({ 1, 1, 2 }, { 1.0, 0.5, 2.0 }, tiltedOrientation());
        vorlix::integrateFrame(body, 1.0, 100000, *stepper);
        const Matrix4 expected
            = vorlix::multiply(vorlix::multiply(tiltedOrientation(),
                                   vorlix::rotation(std::sqrt(17.25) * 180 / M_PI, 1, 0.5, 4)),
                vorlix::rotation(-0.5 * 4 * 180 / M_PI, 0, 0, 1));
        for (int e = 0; e < 16; ++e)
            COMPARE_NEAR(body.orientation[e], expected[e], tolerance);
    }
};

QTEST_APPLESS_MAIN(TestRigidBody)

#include "tst_rigidbody.moc"
