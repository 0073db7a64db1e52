// SPDX-License-Identifier: GPL-3.0-or-later
#include "rigidbody.h"

#include "integrator.h"

#include <QtGlobal>

#include <cmath>

namespace vorlix {

Vector3 eulerCoefficients(double inertiaX, double inertiaY, double inertiaZ)
{
    return { (inertiaZ - inertiaY) / inertiaX, (inertiaX - inertiaZ) / inertiaY,
        (inertiaY - inertiaX) / inertiaZ };
}

Vector3 eulerIncrement(const Vector3 &c, const Vector3 &w, double h)
{
    return { -c.x * w.y * w.z * h, -c.y * w.x * w.z * h, -c.z * w.x * w.y * h };
}

namespace {

// M ← M · R where R turns about a coordinate axis: only the two columns that span the
// plane of the turn change, so each turn costs six multiply-adds.
inline void turnColumns(Matrix4 &m, int first, int second, double degrees)
{
    const double radians = degrees * M_PI / 180.0;
    const double c = std::cos(radians);
    const double s = std::sin(radians);
    double *a = &m[first * 4];
    double *b = &m[second * 4];
    for (int r = 0; r < 4; ++r) {
        const double ar = a[r];
        const double br = b[r];
        a[r] = c * ar + s * br;
        b[r] = c * br - s * ar;
    }
}

} // namespace

void turnAboutBodyAxes(Matrix4 &o, const Vector3 &deg)
{
    turnColumns(o, 1, 2, deg.x); // Rx mixes the Y and Z columns
    turnColumns(o, 2, 0, deg.y); // Ry mixes Z and X
    turnColumns(o, 0, 1, deg.z); // Rz mixes X and Y
}

void Stepper::steps(RigidBodyState &state, double h, int count) const
{
    for (int i = 0; i < count; ++i)
        step(state, h);
}

const char *ExplicitEuler::name() const
{
    return QT_TRANSLATE_NOOP("Integrator", "Explicit Euler");
}

void ExplicitEuler::step(RigidBodyState &state, double h) const
{
    steps(state, h, 1);
}

// The loop lives here rather than in Stepper::steps, and beside the step's pieces, so that
// the hot path makes no call per sub-step.
void ExplicitEuler::steps(RigidBodyState &state, double h, int count) const
{
    const double f = h * degreesPerRadian;
    for (int i = 0; i < count; ++i) {
        state.lastIncrement = eulerIncrement(state.coefficients, state.omega, h);
        state.omega += state.lastIncrement;
        turnAboutBodyAxes(state.orientation, state.omega * f);
    }
}

const Stepper &explicitEuler()
{
    static const ExplicitEuler euler;
    return euler;
}

bool isFiniteState(const RigidBodyState &state)
{
    return isFinite(state.omega) && isFinite(state.lastIncrement) && isFinite(state.orientation);
}

bool integrateFrame(RigidBodyState &state, double timePerFrame, int subSteps)
{
    return integrateFrame(state, timePerFrame, subSteps, explicitEuler());
}

bool integrateFrame(
    RigidBodyState &state, double timePerFrame, int subSteps, const Stepper &stepper)
{
    if (subSteps > 0)
        stepper.steps(state, timePerFrame / subSteps, subSteps);
    return isFiniteState(state);
}

} // namespace vorlix
