// Sub-steps per second of the simulation's orientation update, done the way the program
// does it (vorlix::integrateFrame, double precision in plain code) and done literally on
// the modelview stack of a real GL context (glRotated about the old body axes,
// glMultMatrixd, glGetDoublev per sub-step), with the orthonormality each leaves after
// the same 1,000,000 sub-steps of the same tumbling body. Run it on a display, e.g.
//   LIBGL_ALWAYS_SOFTWARE=1 xvfb-run -a bench_eulerstep

#include "matrix4.h"
#include "rigidbody.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QSurfaceFormat>

#include <GL/gl.h>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>

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
        QElapsedTimer clock;
        clock.start();
        for (int tick = 0; tick < ticks; ++tick)
            frame(body);
        const double seconds = clock.nsecsElapsed() * 1e-9;
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

    const double pureRate = totalSubSteps / pure.seconds;
    const double glRate = totalSubSteps / gl.seconds;
    std::printf("renderer: %s\n", reinterpret_cast<const char *>(glGetString(GL_RENDERER)));
    std::printf("%lld sub-steps (%d ticks of %d), best of %d runs\n", totalSubSteps, ticks,
        subStepsPerTick, timedRuns);
    std::printf("integrateFrame      : %12.0f sub-steps/s  orthonormality error %.3g\n", pureRate,
        vorlix::orthonormalityError(pure.body.orientation));
    std::printf("GL modelview stack  : %12.0f sub-steps/s  orthonormality error %.3g\n", glRate,
        vorlix::orthonormalityError(gl.body.orientation));
    std::printf("ratio (pure / GL)   : %12.1f\n", pureRate / glRate);
    std::printf("largest difference of the two final matrices: %.3g\n",
        largestDifference(pure.body.orientation, gl.body.orientation));
    return 0;
}
