// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef VORLIX_EXACTSTEPPER_H
#define VORLIX_EXACTSTEPPER_H

#include "integrator.h"

namespace vorlix {

/// No numerical scheme: each call moves the body along its closed-form motion
/// (ExactMotion) from the state it is given, so T and |L| are kept to rounding whatever h
/// and the number of sub-steps are. A caller that keeps a whole run's clock does better to
/// sample one ExactMotion from the run's start (ExactReference), which then gathers no
/// rounding from tick to tick at all.
class ExactStepper final : public Stepper {
public:
    const char *name() const override;
    void step(RigidBodyState &state, double h) const override;
    /// The closed form needs no sub-steps: one move over count·h.
    void steps(RigidBodyState &state, double h, int count) const override;
};

/// The one instance the program offers beside explicitEuler() and accurate().
const Stepper &exactSolution();

} // namespace vorlix

#endif
