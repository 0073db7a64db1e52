// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef VORLIX_INVARIANTS_H
#define VORLIX_INVARIANTS_H

#include "matrix4.h"
#include "vector3.h"

namespace vorlix {

/// The quantities a torque-free body conserves, from its principal moments I and its
/// angular velocity ω about its own axes.

/// Kinetic energy T = ½·(Ix·ωx² + Iy·ωy² + Iz·ωz²).
double kineticEnergy(const Vector3 &moments, const Vector3 &omega);

/// Angular momentum in the body frame, L = (Ix·ωx, Iy·ωy, Iz·ωz).
Vector3 bodyAngularMomentum(const Vector3 &moments, const Vector3 &omega);

/// Angular momentum in space, O·L for the orientation O: fixed while the body tumbles.
Vector3 worldAngularMomentum(const Vector3 &moments, const Vector3 &omega, const Matrix4 &o);

/// |L|, the same in either frame.
double angularMomentumMagnitude(const Vector3 &moments, const Vector3 &omega);

} // namespace vorlix

#endif
