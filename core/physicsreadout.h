// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef VORLIX_PHYSICSREADOUT_H
#define VORLIX_PHYSICSREADOUT_H

#include "omegahistory.h"
#include "vector3.h"

#include <vector>

namespace vorlix {

/// What the physics readout shows at one moment, computed from plain numbers, in the units
/// of the motion the panel describes. The simulation runs that motion with every angular
/// velocity multiplied by Speed; since Euler's equations are quadratic in ω, ω(t) of the
/// simulation is Speed·ω_panel(Speed·t), so the panel's time is τ = Speed·t and
/// T = T_sim/Speed², |L| = |L|_sim/|Speed|, ω = ω_sim/Speed. At Speed 0 nothing moves and
/// the panel's motion cannot be recovered: only impossibleMoments, subStep and
/// turnPerSubStepDegrees are filled then.
struct PhysicsReadout {
    bool available = false; ///< Speed is not 0: the panel-unit fields below are meaningful
    double time = 0; ///< τ = Speed × simulated seconds since the last restart
    double energy = 0; ///< T
    double momentum = 0; ///< |L|
    double energyDrift = 0; ///< (T − T₀)/T₀ since the last restart
    double momentumDrift = 0; ///< (|L| − |L|₀)/|L|₀
    double subStep = 0; ///< h = |Speed| · timePerFrame / iterPerFrame, in τ
    double turnPerSubStepDegrees = 0; ///< |ω|·h in degrees: how coarse the steps are
    /// One moment exceeds the sum of the other two (beyond the rounding of six significant
    /// digits): Ix + Iy ≥ Iz and its cyclic versions hold for every rigid body, with
    /// equality only for a flat one, since Ix + Iy − Iz = 2∫z² dm.
    bool impossibleMoments = false;
};

/// Relative change (value − reference)/reference; 0 when the reference is 0, since a body
/// at rest has nothing to drift from.
double relativeChange(double value, double reference);

/// The readout of a simulation state: `omega` and `time` as the simulation holds them,
/// `referenceEnergy` and `referenceMomentum` in the panel's units (T and |L| of the
/// panel's ω at the last restart, which a later change of Speed leaves as they are).
PhysicsReadout physicsReadout(const Vector3 &moments, const Vector3 &omega, double time,
    double referenceEnergy, double referenceMomentum, double timePerFrame, int iterPerFrame,
    double speed);

/// Simulated samples as the panel's motion: (Speed·t, ω/Speed) each; none at Speed 0.
std::vector<OmegaSample> inPanelUnits(const std::vector<OmegaSample> &samples, double speed);

} // namespace vorlix

#endif
