// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef VORLIX_INTEGRATOR_H
#define VORLIX_INTEGRATOR_H

#include "rigidbody.h"

namespace vorlix {

/// A scheme that advances a torque-free rigid body by one sub-step. The caller does not
/// know which one runs; each documents its method and order.
class Stepper {
public:
    virtual ~Stepper() = default;
    /// The scheme's name as the user sees it, untranslated.
    virtual const char *name() const = 0;
    /// Advances ω and the orientation by h seconds.
    virtual void step(RigidBodyState &state, double h) const = 0;
    /// Advances by `count` steps of h. The default repeats step(); schemes override it
    /// only to hoist per-step work out of the loop.
    virtual void steps(RigidBodyState &state, double h, int count) const;
};

/// Explicit (forward) Euler, first order, as the program has always integrated: Euler's
/// equations Ix·dωx/dt = (Iy − Iz)·ωy·ωz (and cyclic) advance ω from the old ω, then the
/// orientation turns by ω·h about the body's X, Y and Z axes in turn
/// (turnAboutBodyAxes with angles ω·h·degreesPerRadian). Energy and |L| drift by O(h)
/// per unit time, and the turn order itself differs from the exact turn by O(h²) a step.
class ExplicitEuler final : public Stepper {
public:
    const char *name() const override;
    void step(RigidBodyState &state, double h) const override;
    void steps(RigidBodyState &state, double h, int count) const override;
};

/// The stepper every frame uses unless the user chose another.
const Stepper &explicitEuler();

} // namespace vorlix

#endif
