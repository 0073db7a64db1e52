// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef VORLIX_RUNSTATE_H
#define VORLIX_RUNSTATE_H

#include "exactreference.h"
#include "exactstepper.h"
#include "integrator.h"
#include "omegahistory.h"
#include "poinsot.h"
#include "runrecord.h"

#include <vector>

namespace vorlix {

/// What a run keeps beyond the body's own state: the chosen scheme, the simulated clock
/// with the ω history and the invariants' reference, and Poinsot's paths. The window owns
/// one for as long as it lives, so a new view (a new body) starts from the same choices.
class RunState {
public:
    /// The scheme each tick advances the body with; explicit Euler unless the user chose.
    const Stepper *stepper = &explicitEuler();
    /// Whether the body follows `exact` itself rather than a numerical scheme.
    bool followsExactMotion() const { return stepper == &exactSolution(); }

    /// Set when a tick left ω or the orientation not finite; the next start clears it and
    /// begins from the identity orientation.
    bool divergedSinceStart = false;

    /// Simulated seconds since the last restart, and ω at every tick of them.
    double simulatedTime = 0;
    OmegaHistory omegaHistory;
    /// T and |L| at the last restart: what the readout's drift is measured against.
    double referenceEnergy = 0, referenceMomentum = 0;
    /// The exact motion from the state the motion was last set by hand, on its own clock:
    /// what the readout's error is measured against and the ghost body shows.
    ExactReference exact;
    /// The moments and the panel's ω (before Speed) the clock last restarted from.
    Vector3 startMoments, startOmega;
    /// Every tick since the last restart (bounded: see RunRecord), for the data export.
    RunRecord record;

    /// The point of contact in the body frame (polhode) and in space (herpolhode),
    /// straight runs thinned to within a third of a pixel at the default size. A full path
    /// keeps its points and stops growing: each frame redraws every point.
    std::vector<Vector3> polhode, herpolhode;
    static constexpr std::size_t poinsotPathCapacity = 20000;
    static constexpr double poinsotPathTolerance = 0.001;

    /// t = 0, the ω history and the record empty, and T and |L| of this motion become the
    /// reference.
    void restartClock(const Vector3 &moments, const Vector3 &omega);
    /// One tick of `duration` simulated seconds (none when no sub-step ran) ended at ω
    /// (times Speed, as simulated) and `orientation`.
    void advanceClock(double duration, const Vector3 &omega, const Matrix4 &orientation);
    void clearPoinsotPaths();
    /// Appends this instant's point of contact to the paths that are switched on.
    void recordPoinsotPaths(const PoinsotConstruction &c, bool polhodeShown, bool herpolhodeShown);
};

} // namespace vorlix

#endif
