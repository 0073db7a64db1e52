// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef VORLIX_DIVERGENCE_H
#define VORLIX_DIVERGENCE_H

#include "matrix4.h"
#include "vector3.h"

#include <optional>

namespace vorlix {

/// Why a run must stop. A torque-free body keeps T and |L|; an integrator that lets either
/// grow tenfold is no longer following the body, and from there the numbers only run away
/// until they are no numbers at all.
enum class DivergenceCause {
    None,
    /// ω or the orientation is no longer a finite number. With positive moments this is
    /// a step far too large: lower the speed or raise Iterations/frame. A zero moment gives
    /// it at once, since Euler's coefficients divide by the moments.
    NotFinite,
    /// T is more than ten times its value at the start: too large a step (explicit Euler
    /// gains energy every step); lower the speed or raise Iterations/frame.
    EnergyGrew,
    /// |L| is more than ten times its value at the start: too large a step, as for T.
    MomentumGrew,
};

/// The ratio to its start value beyond which T or |L| counts as diverged.
constexpr double divergenceGrowth = 10;

/// Whether the state the simulation holds has diverged. `moments` are positive and
/// finite (see invalidMoment); the references are T and |L| at the start in the panel's
/// units, as for physicsReadout, so that changing Speed during a run, which rescales ω,
/// is no growth. A zero reference (a body at rest) and Speed 0 check finiteness only.
DivergenceCause divergenceCause(const Vector3 &moments, const Vector3 &omega,
    const Matrix4 &orientation, double referenceEnergy, double referenceMomentum, double speed);

/// A moment of inertia no body can have, as the window names it: "Ix = 0".
struct InvalidMoment {
    char axis = 'x'; ///< 'x', 'y' or 'z'
    double value = 0;
};

/// The first of Ix, Iy, Iz that is zero, negative or not finite, or none. Checked before a
/// start: Euler's equations divide by every moment.
std::optional<InvalidMoment> invalidMoment(const Vector3 &moments);

} // namespace vorlix

#endif
