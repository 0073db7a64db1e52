// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef VORLIX_EXACTMOTION_H
#define VORLIX_EXACTMOTION_H

#include "matrix4.h"
#include "vector3.h"

namespace vorlix {

/// The closed-form motion of a torque-free rigid body: ω(t) from Jacobi's elliptic
/// functions (Landau & Lifshitz, Mechanics, §37) and the orientation as a turn about the
/// fixed angular momentum by an elliptic integral of the third kind (Celledoni, Fassò,
/// Säfström & Zanna, SIAM J. Sci. Comput. 30, 2084 (2008)). Everything that depends only
/// on the start is worked out once by the constructor, so at() costs a few special-function
/// evaluations whatever t is: the state an hour on is as cheap and as exact as the next
/// tick's.
class ExactMotion {
public:
    /// Which closed form the body follows. D = |L|²/(2T) against the principal moments
    /// picks it; moments that agree to a few roundings count as equal.
    enum class Regime {
        AtRest, ///< ω = 0: nothing moves
        UniformRotation, ///< equal moments, or ω exactly along a principal axis
        SymmetricTop, ///< two equal moments: steady precession about L
        AroundSmallestAxis, ///< D below the middle moment: ω circles the axis of least inertia
        Separatrix, ///< D equal to the middle moment: ω creeps towards the middle axis
        AroundLargestAxis, ///< D above the middle moment: ω circles the axis of most inertia
    };

    /// The body's state at one instant.
    struct Sample {
        Vector3 omega; ///< rad/s about the body's own axes
        Matrix4 orientation; ///< a pure rotation; columns 0–2 are the body axes in space
    };

    /// The motion from ω (rad/s, body frame) and orientation at t = 0, for principal
    /// moments Ix, Iy, Iz > 0 in any order. Non-positive moments or non-finite input give
    /// meaningless (possibly non-finite) samples.
    ExactMotion(const Vector3 &moments, const Vector3 &omega, const Matrix4 &orientation);

    /// The state t seconds after the start.
    Sample at(double t) const;
    /// ω alone t seconds after the start, for callers that need no orientation.
    Vector3 omegaAt(double t) const;

    /// L in space: conserved, so the same at every t.
    Vector3 angularMomentum() const { return worldMomentum_; }
    /// T = ½·ω·I·ω, conserved.
    double kineticEnergy() const { return energy_; }
    Regime regime() const { return regime_; }

private:
    /// The body-frame angular momentum at elliptic argument u (not yet reduced).
    Vector3 momentumAtArgument(double u, double *integral) const;
    Sample symmetricAt(double t) const;

    Regime regime_;
    Vector3 moments_;
    Matrix4 start_;
    Vector3 startMomentum_; ///< L in the body frame at t = 0
    Vector3 worldMomentum_;
    double energy_;
    double length_; ///< |L|

    // UniformRotation and SymmetricTop: O(t) = O₀·R(n₀, precessionRate·t)·R(eₛ, spinRate·t).
    int symmetryAxis_ = 2;
    double precessionRate_ = 0;
    double spinRate_ = 0;

    // The elliptic regimes: L = (σ·A_h·dn u, σ·A_m·sn u, A_p·cn u) on the hub, middle and
    // pole axes, u = u₀ + λ·t.
    int hubAxis_ = 0, middleAxis_ = 1, poleAxis_ = 2;
    double hubAmplitude_ = 0, middleAmplitude_ = 0, poleAmplitude_ = 0;
    double rate_ = 0; ///< λ
    double startArgument_ = 0; ///< u₀
    double modulus_ = 0, complementSquared_ = 1; ///< k and k'² = 1 − k², the latter exact
    double complement_ = 1; ///< k'
    double quarterPeriod_ = 0; ///< K(k)
    double halfPeriodIntegral_ = 0; ///< J(2K), J(u) = ∫₀ᵘ sn²/(1 + ν·sn²)
    double nu_ = 0;
    double hubRate_ = 0; ///< |L|/I_h
    double integralScale_ = 0; ///< multiplies J(u) − J(u₀) in the precession angle
    double startIntegral_ = 0; ///< J(u₀)
    double frame_[3][3] = {}; ///< O₀·P₀ᵀ by columns: the frame that holds L fixed
};

} // namespace vorlix

#endif
