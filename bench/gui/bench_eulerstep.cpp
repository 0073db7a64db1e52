// SPDX-License-Identifier: GPL-3.0-or-later
// Sub-steps per second of the simulation's orientation update, done the way the program
// does it (vorlix::integrateFrame, double precision in plain code) and done literally on
// the modelview stack of a real GL context (glRotated about the old body axes,
// glMultMatrixd, glGetDoublev per sub-step), with the orthonormality each leaves after
// the same 1,000,000 sub-steps of the same tumbling body. Then explicit Euler and the
// accurate stepper side by side: their rates, and how far T, |L| and the direction of L in
// space drift over ten simulated minutes of the flip preset, and the flip interval against
// its closed form. Run it on a display, e.g.
//   LIBGL_ALWAYS_SOFTWARE=1 xvfb-run -a bench_eulerstep

#include "accuratestepper.h"
#include "invariants.h"
#include "matrix4.h"
#include "rigidbody.h"

#include <QGuiApplication>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QSurfaceFormat>

#include <GL/gl.h>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <time.h>

namespace {

// The start-up time base: 1000 sub-steps in each 5 ms tick, 1000 ticks.
constexpr int ticks = 1000;
constexpr int subStepsPerTick = 1000;
constexpr double timePerFrame = 0.005;
constexpr long long totalSubSteps = static_cast<long long>(ticks) * subStepsPerTick;
constexpr int timedRuns = 3;

vorlix::RigidBodyState tumblingBody()
{
    vorlix::RigidBodyState body;
    body.moments = { 1, 2, 3 };
    body.coefficients = vorlix::eulerCoefficients(1, 2, 3);
    body.omega = { 1.0, 0.5, 2.0 };
    return body;
}

void glFrame(vorlix::RigidBodyState &body)
{
    const double h = timePerFrame / subStepsPerTick;
    const double f = h * vorlix::degreesPerRadian;
    double *o = body.orientation.data();
    for (int i = 0; i < subStepsPerTick; ++i) {
        body.lastIncrement = vorlix::eulerIncrement(body.coefficients, body.omega, h);
        body.omega.x += body.lastIncrement.x;
        body.omega.y += body.lastIncrement.y;
        body.omega.z += body.lastIncrement.z;
        glLoadIdentity();
        glRotated(body.omega.x * f, o[0], o[1], o[2]);
        glRotated(body.omega.y * f, o[4], o[5], o[6]);
        glRotated(body.omega.z * f, o[8], o[9], o[10]);
        glMultMatrixd(o);
        glGetDoublev(GL_MODELVIEW_MATRIX, o);
    }
}

void pureFrame(vorlix::RigidBodyState &body)
{
    vorlix::integrateFrame(body, timePerFrame, subStepsPerTick);
}

void accurateFrame(vorlix::RigidBodyState &body)
{
    vorlix::integrateFrame(body, timePerFrame, subStepsPerTick, vorlix::accurate());
}

// CPU time of this thread: a rate on one core, whatever else the machine is running.
double threadSeconds()
{
    timespec now;
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec + now.tv_nsec * 1e-9;
}

struct Result {
    double seconds;
    vorlix::RigidBodyState body;
};

// Best of a few runs, each from the same start; every run ends in the same state.
Result timeRuns(const std::function<void(vorlix::RigidBodyState &)> &frame)
{
    Result best { 1e300, {} };
    for (int run = 0; run < timedRuns; ++run) {
        vorlix::RigidBodyState body = tumblingBody();
        const double start = threadSeconds();
        for (int tick = 0; tick < ticks; ++tick)
            frame(body);
        const double seconds = threadSeconds() - start;
        if (seconds < best.seconds)
            best = { seconds, body };
    }
    return best;
}

double largestDifference(const vorlix::Matrix4 &a, const vorlix::Matrix4 &b)
{
    double worst = 0;
    for (int i = 0; i < 16; ++i)
        worst = std::max(worst, std::abs(a[i] - b[i]));
    return worst;
}

// Ten simulated minutes of the flip preset (I = 1, 2, 3; ω = (0.05, 4, 0.05)·speed).
constexpr double simulatedSeconds = 600;
constexpr int simulatedTicks = 120000;
const vorlix::Vector3 flipMoments { 1, 2, 3 };

vorlix::RigidBodyState flipBody(double speed)
{
    vorlix::RigidBodyState body;
    body.moments = flipMoments;
    body.coefficients = vorlix::eulerCoefficients(1, 2, 3);
    body.omega = speed * vorlix::Vector3 { 0.05, 4, 0.05 };
    return body;
}

struct Drift {
    double energy = 0, length = 0, direction = 0;
    bool finite = true;
};

// The largest relative change of T and |L|, and the largest angle of L in space from its
// start, sampled every tick; stops once the state is not finite or not a rotation.
Drift tenMinutes(const vorlix::Stepper &stepper, double speed, int iterPerFrame)
{
    vorlix::RigidBodyState body = flipBody(speed);
    const double energy = vorlix::kineticEnergy(flipMoments, body.omega);
    const vorlix::Vector3 start
        = vorlix::worldAngularMomentum(flipMoments, body.omega, body.orientation);
    Drift drift;
    for (int tick = 0; tick < simulatedTicks && drift.finite; ++tick) {
        vorlix::integrateFrame(body, timePerFrame, iterPerFrame, stepper);
        const vorlix::Vector3 l
            = vorlix::worldAngularMomentum(flipMoments, body.omega, body.orientation);
        drift.finite = vorlix::isFinite(l) && vorlix::orthonormalityError(body.orientation) < 1;
        drift.energy = std::max(
            drift.energy, std::abs(vorlix::kineticEnergy(flipMoments, body.omega) / energy - 1));
        drift.length = std::max(drift.length, std::abs(vorlix::norm(l) / vorlix::norm(start) - 1));
        drift.direction = std::max(drift.direction,
            std::atan2(vorlix::norm(vorlix::cross(l, start)), vorlix::dot(l, start)));
    }
    return drift;
}

// Jacobi's complete elliptic integral of the first kind, K(k) = π / (2·AGM(1, √(1 − k²))).
double completeEllipticK(double kSquared)
{
    double a = 1, b = std::sqrt(1 - kSquared);
    while (a - b > 1e-15 * a) {
        const double mean = (a + b) / 2;
        b = std::sqrt(a * b);
        a = mean;
    }
    return M_PI / (2 * a);
}

// For Ix < Iy < Iz and L² > 2T·Iy, ωy ∝ sn(λt, k) changes sign every 2K(k)/λ (Landau &
// Lifshitz, Mechanics, §37).
double closedFormFlipInterval(const vorlix::Vector3 &i, const vorlix::Vector3 &omega)
{
    const double twiceT = 2 * vorlix::kineticEnergy(i, omega);
    const double lSquared = std::pow(vorlix::angularMomentumMagnitude(i, omega), 2);
    const double lambda = std::sqrt((i.z - i.y) * (lSquared - twiceT * i.x) / (i.x * i.y * i.z));
    return 2 / lambda
        * completeEllipticK(
            (i.y - i.x) * (twiceT * i.z - lSquared) / ((i.z - i.y) * (lSquared - twiceT * i.x)));
}

// Where ωy changes sign within a tick: the root of the cubic matching ωy and its rate from
// Euler's equations at both ends (Hermite), by Newton's method from the secant. Linear
// interpolation over a whole tick would be off by about 1e-5 of the interval.
double crossingWithinTick(double y0, double rate0, double y1, double rate1)
{
    const double d0 = rate0 * timePerFrame, d1 = rate1 * timePerFrame;
    double s = y0 / (y0 - y1);
    for (int iteration = 0; iteration < 4; ++iteration) {
        const double s2 = s * s, s3 = s2 * s;
        const double value = (2 * s3 - 3 * s2 + 1) * y0 + (s3 - 2 * s2 + s) * d0
            + (3 * s2 - 2 * s3) * y1 + (s3 - s2) * d1;
        const double slope
            = (6 * s2 - 6 * s) * (y0 - y1) + (3 * s2 - 4 * s + 1) * d0 + (3 * s2 - 2 * s) * d1;
        s -= value / slope;
    }
    return s * timePerFrame;
}

struct Flips {
    int count = 0;
    double meanError = 0, worstError = 0;
};

// Every sign change of ωy over ten simulated minutes at Speed 1, ticking as the program
// does: the relative error of the mean interval and of the worst single one.
Flips flipIntervals(const vorlix::Stepper &stepper, int iterPerFrame)
{
    vorlix::RigidBodyState body = flipBody(1);
    const double expected = closedFormFlipInterval(flipMoments, body.omega);
    const auto rate
        = [&body] { return vorlix::eulerIncrement(body.coefficients, body.omega, 1).y; };
    Flips flips;
    double first = 0, previous = 0;
    for (int tick = 0; tick < simulatedTicks && std::isfinite(body.omega.y); ++tick) {
        const double before = body.omega.y, rateBefore = rate();
        vorlix::integrateFrame(body, timePerFrame, iterPerFrame, stepper);
        if ((before < 0) == (body.omega.y < 0))
            continue;
        const double t
            = tick * timePerFrame + crossingWithinTick(before, rateBefore, body.omega.y, rate());
        if (flips.count++ == 0)
            first = t;
        else
            flips.worstError = std::max(flips.worstError, std::abs((t - previous) / expected - 1));
        previous = t;
    }
    if (flips.count > 1)
        flips.meanError = std::abs((previous - first) / (flips.count - 1) / expected - 1);
    return flips;
}

void printSideBySide()
{
    const vorlix::Stepper *steppers[] = { &vorlix::explicitEuler(), &vorlix::accurate() };
    std::printf(
        "\nflip preset, %g simulated s, largest drift sampled every tick:\n", simulatedSeconds);
    std::printf("%-15s %5s %5s %12s %12s %14s\n", "stepper", "speed", "iter", "dT/T", "d|L|/|L|",
        "L_world (rad)");
    for (const vorlix::Stepper *stepper : steppers)
        for (double speed : { 1.0, 30.0 })
            for (int iterPerFrame : { 1, 10, 100, 1000 }) {
                const Drift d = tenMinutes(*stepper, speed, iterPerFrame);
                std::printf("%-15s %5g %5d %12.3g %12.3g %14.3g%s\n", stepper->name(), speed,
                    iterPerFrame, d.energy, d.length, d.direction, d.finite ? "" : "  diverged");
                std::fflush(stdout);
            }
    std::printf("\nflip interval at speed 1, closed form 2K(k)/lambda = %.12g s:\n",
        closedFormFlipInterval(flipMoments, flipBody(1).omega));
    std::printf(
        "%-15s %5s %6s %14s %14s\n", "stepper", "iter", "flips", "mean error", "worst error");
    for (const vorlix::Stepper *stepper : steppers)
        for (int iterPerFrame : { 10, 100, 1000 }) {
            const Flips f = flipIntervals(*stepper, iterPerFrame);
            std::printf("%-15s %5d %6d %14.3g %14.3g\n", stepper->name(), iterPerFrame, f.count,
                f.meanError, f.worstError);
            std::fflush(stdout);
        }
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication application(argc, argv);

    QSurfaceFormat format;
    format.setRenderableType(QSurfaceFormat::OpenGL);
    format.setProfile(QSurfaceFormat::CompatibilityProfile);
    format.setVersion(2, 1);
    QOffscreenSurface surface;
    surface.setFormat(format);
    surface.create();
    QOpenGLContext context;
    context.setFormat(format);
    if (!context.create() || !context.makeCurrent(&surface)) {
        std::fprintf(stderr, "bench_eulerstep: no OpenGL context\n");
        return 1;
    }
    glMatrixMode(GL_MODELVIEW);

    const Result pure = timeRuns(pureFrame);
    const Result gl = timeRuns(glFrame);
    const Result accurate = timeRuns(accurateFrame);

    const double pureRate = totalSubSteps / pure.seconds;
    const double glRate = totalSubSteps / gl.seconds;
    std::printf("renderer: %s\n", reinterpret_cast<const char *>(glGetString(GL_RENDERER)));
    std::printf("%lld sub-steps (%d ticks of %d), best of %d runs in thread CPU time\n",
        totalSubSteps, ticks, subStepsPerTick, timedRuns);
    std::printf("integrateFrame      : %12.0f sub-steps/s  orthonormality error %.3g\n", pureRate,
        vorlix::orthonormalityError(pure.body.orientation));
    std::printf("GL modelview stack  : %12.0f sub-steps/s  orthonormality error %.3g\n", glRate,
        vorlix::orthonormalityError(gl.body.orientation));
    std::printf("ratio (pure / GL)   : %12.1f\n", pureRate / glRate);
    std::printf("largest difference of the two final matrices: %.3g\n",
        largestDifference(pure.body.orientation, gl.body.orientation));
    std::printf("accurate stepper    : %12.0f sub-steps/s  orthonormality error %.3g\n",
        totalSubSteps / accurate.seconds, vorlix::orthonormalityError(accurate.body.orientation));
    printSideBySide();
    return 0;
}
