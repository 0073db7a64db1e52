// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef VORLIX_ACCURATESTEPPER_H
#define VORLIX_ACCURATESTEPPER_H

#include "integrator.h"

namespace vorlix {

/// A fourth-order Lie–Poisson splitting that turns the body's angular momentum and its
/// orientation together by exact rotations: |L| and L in space are kept to rounding, the
/// energy to a bounded error far below 1e-9, and the orientation stays orthonormal. The
/// method and its sources are described beside the code.
class AccurateStepper final : public Stepper {
public:
    const char *name() const override;
    void step(RigidBodyState &state, double h) const override;
    void steps(RigidBodyState &state, double h, int count) const override;
};

/// The one instance the program offers beside explicitEuler().
const Stepper &accurate();

} // namespace vorlix

#endif
