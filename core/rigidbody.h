// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef VORLIX_RIGIDBODY_H
#define VORLIX_RIGIDBODY_H

#include "matrix4.h"
#include "vector3.h"

namespace vorlix {

/// Degrees per radian exactly as the simulation has always used it (not 180/π in
/// full precision), so that recorded runs stay reproducible.
constexpr double degreesPerRadian = 57.2957795;

/// Coefficients of Euler's torque-free equations, Ix·dωx/dt = (Iy − Iz)·ωy·ωz and cyclic:
/// ((Iz − Iy)/Ix, (Ix − Iz)/Iy, (Iy − Ix)/Iz). Zero moments give IEEE infinities or NaNs.
Vector3 eulerCoefficients(double inertiaX, double inertiaY, double inertiaZ);

/// The angular-velocity increment of one explicit Euler step of length h, all three
/// components from the same (old) ω: Δωx = −cx·ωy·ωz·h, Δωy = −cy·ωx·ωz·h, Δωz = −cz·ωx·ωy·h.
Vector3 eulerIncrement(const Vector3 &coefficients, const Vector3 &omega, double h);

/// O ← O · Rx(ax) · Ry(ay) · Rz(az), angles in degrees: three successive turns of the body
/// about its own X, Y and Z axes (the columns of O before the turn), X first. Equal to
/// R(ax, O·ex)·R(ay, O·ey)·R(az, O·ez)·O as composed on a GL matrix stack, but in double
/// precision and without re-orthonormalisation.
void turnAboutBodyAxes(Matrix4 &orientation, const Vector3 &anglesDegrees);

/// The state one call of the simulation advances.
struct RigidBodyState {
    Vector3 moments; ///< principal moments Ix, Iy, Iz (explicit Euler needs only the coefficients)
    Vector3 coefficients;
    Vector3 omega;
    Vector3 lastIncrement; ///< Δω of the last sub-step (kept for inspection only)
    Matrix4 orientation = identityMatrix();
};

/// Whether ω, the last increment and the orientation are all finite: a state that is not
/// has diverged and must be neither drawn nor continued from.
bool isFiniteState(const RigidBodyState &state);

class Stepper;

/// One frame: `subSteps` steps of h = timePerFrame / subSteps by `stepper` (explicit Euler
/// unless another is given). No steps when subSteps ≤ 0. Returns isFiniteState(state).
bool integrateFrame(RigidBodyState &state, double timePerFrame, int subSteps);
bool integrateFrame(
    RigidBodyState &state, double timePerFrame, int subSteps, const Stepper &stepper);

} // namespace vorlix

#endif
