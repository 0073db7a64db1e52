// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef VORLIX_PHYSICSREADOUT_H
#define VORLIX_PHYSICSREADOUT_H

#include "vector3.h"

namespace vorlix {

/// What the physics readout shows at one moment, computed from plain numbers.
struct PhysicsReadout {
    double time = 0; ///< simulated seconds since the last restart
    double energy = 0; ///< T
    double momentum = 0; ///< |L|
    double energyDrift = 0; ///< (T − T₀)/T₀ since the last restart
    double momentumDrift = 0; ///< (|L| − |L|₀)/|L|₀
    double subStep = 0; ///< h = timePerFrame / iterPerFrame, seconds
    double turnPerSubStepDegrees = 0; ///< |ω|·h in degrees: how coarse the steps are
};

/// Relative change (value − reference)/reference; 0 when the reference is 0, since a body
/// at rest has nothing to drift from.
double relativeChange(double value, double reference);

PhysicsReadout physicsReadout(const Vector3 &moments, const Vector3 &omega, double time,
    double referenceEnergy, double referenceMomentum, double timePerFrame, int iterPerFrame);

} // namespace vorlix

#endif
