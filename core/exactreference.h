// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef VORLIX_EXACTREFERENCE_H
#define VORLIX_EXACTREFERENCE_H

#include "compensatedsum.h"
#include "exactmotion.h"

namespace vorlix {

/// How far a simulated state is from the exact one at the same instant.
struct ExactDeviation {
    double angleDegrees = 0; ///< the turn between the two orientations, in [0, 180]
    double relativeOmega = 0; ///< |ω − ω_exact|/|ω_exact|; 0 for a body at rest
};

/// The exact motion a run is measured against: started from the run's state whenever the
/// motion is set by hand, and advanced by the same ticks as the run on a compensated
/// clock, so that hours of 4 ms ticks lose no time to rounding.
class ExactReference {
public:
    /// The closed-form motion from this state (moments > 0, ω in rad/s in the body frame,
    /// a pure rotation), with its clock at 0.
    void restart(const Vector3 &moments, const Vector3 &omega, const Matrix4 &orientation);
    /// Moves the clock by `duration` simulated seconds (negative runs the motion backwards).
    void advance(double duration);
    /// Simulated seconds since the last restart.
    double time() const { return clock.value(); }
    /// The exact state at time(); worked out once per instant, however often it is asked.
    const ExactMotion::Sample &state() const;
    /// How far `omega` and `orientation` are from state().
    ExactDeviation deviation(const Vector3 &omega, const Matrix4 &orientation) const;

private:
    ExactMotion motion { { 1, 1, 1 }, {}, identityMatrix() };
    CompensatedSum clock;
    mutable ExactMotion::Sample sample { {}, identityMatrix() };
    mutable bool sampleCurrent = true;
};

} // namespace vorlix

#endif
