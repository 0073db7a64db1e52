// SPDX-License-Identifier: GPL-3.0-or-later
#include "exactmotion.h"

#include <boost/math/special_functions/ellint_rf.hpp>
#include <boost/math/special_functions/ellint_rj.hpp>
#include <boost/math/special_functions/jacobi_elliptic.hpp>

#include <algorithm>
#include <cmath>
#include <limits>

namespace vorlix {

// The method. Sort the moments I₁ < I₂ < I₃ into a right-handed principal frame (the middle
// axis reversed if the sort is an odd permutation) and let L be the body-frame angular
// momentum, D = |L|²/(2T). Euler's equations are solved by
//     L = (σ·A_h·dn u, σ·A₂·sn u, A_p·cn u),  u = u₀ + λ·t,  modulus k
// on the hub axis h (the one the polhode circles: 3 when D > I₂, 1 when D < I₂), the
// middle axis and the pole axis p (the other extreme one), with the amplitudes, λ and k of
// Landau & Lifshitz, Mechanics, §37, written in the sums
//     g₁ = |L|² − 2T·I₁ = Σ Lᵢ²(1 − I₁/Iᵢ),  g₃ = 2T·I₃ − |L|² = Σ Lᵢ²(I₃/Iᵢ − 1),
//     g₂ = |L|² − 2T·I₂ = L₃²(I₃ − I₂)/I₃ − L₁²(I₂ − I₁)/I₁
// of non-negative terms, so that k'² = 1 − k² ∝ g₂ is as exact as the distance from the
// separatrix itself. Only K(k) and the period need k'², and Carlson's forms take it as it
// is: K = R_F(0, k'², 1), F(φ|k) = sin φ·R_F(cos²φ, cos²φ + k'²·sin²φ, 1). The argument is
// reduced to |r| ≤ K (sn, cn change sign with every 2K), and beyond K/2 the functions come
// from the complementary argument, sn(K − w) = cn w/dn w, cn(K − w) = k'·sn w/dn w,
// dn(K − w) = k'/dn w, which keeps cn and dn exact where they are small. On the separatrix
// (k'² = 0) they are tanh and sech.
//
// The orientation is O(t) = O₀·P₀ᵀ·R_z(ψ(t) − ψ₀)·P(t), where the rows of P are the
// orthonormal frame (n × e_p, n × (n × e_p), n) built on n = L/|L| and the pole axis e_p:
// P carries L to the z axis, O₀·P₀ᵀ carries that axis to L in space, and ψ turns about L
// (Celledoni, Fassò, Säfström & Zanna, "The exact computation of the free rigid body
// motion and its use in splitting methods", SIAM J. Sci. Comput. 30, 2084 (2008)). The
// frame is singular only where n = ±e_p, which no motion reaches, since the pole component
// stays below A_p < |L|. Requiring Ȯ = O·[ω]× gives the Euler-angle precession rate
//     ψ̇ = |L|·(L_h²/I_h + L₂²/I₂)/(L_h² + L₂²) = |L|/I_h + c·sn²u/(1 + ν·sn²u),
// ν = A_p²/A_h², c = |L|·(1/I₂ − 1/I_h)·A₂²/A_h²; its integral is the third-kind integral
//     J(u) = ∫₀ᵘ sn²/(1 + ν·sn²) = (sn³u/3)·R_J(cn²u, dn²u, 1, 1 + ν·sn²u),  |u| ≤ K,
// in Carlson's form, which has no 1/ν to cancel, and J(u + 2K) = J(u) + J(2K). On the
// separatrix J(u) = (u − atan(√ν·tanh u)/√ν)/(1 + ν). The signs were checked against the
// accurate stepper.

namespace {

namespace policies = boost::math::policies;
// No exceptions, and double evaluated in double: every argument is in range by
// construction, and the default promotion to long double triples the cost for nothing.
using Quiet = policies::policy<policies::domain_error<policies::ignore_error>,
    policies::pole_error<policies::ignore_error>, policies::overflow_error<policies::ignore_error>,
    policies::evaluation_error<policies::ignore_error>,
    policies::rounding_error<policies::ignore_error>, policies::promote_double<false>>;

// Moments this close are one moment: rounding of the inputs cannot tell them apart, and
// the symmetric closed form then replaces elliptic functions of a vanishing modulus.
constexpr double equalMoments = 4 * std::numeric_limits<double>::epsilon();

double get(const Vector3 &v, int i)
{
    return i == 0 ? v.x : i == 1 ? v.y : v.z;
}

void set(Vector3 &v, int i, double value)
{
    (i == 0 ? v.x : i == 1 ? v.y : v.z) = value;
}

Vector3 unit(int i)
{
    Vector3 e;
    set(e, i, 1);
    return e;
}

double carlsonF(double x, double y, double z)
{
    return boost::math::ellint_rf(x, y, z, Quiet());
}

double carlsonJ(double x, double y, double z, double p)
{
    return boost::math::ellint_rj(x, y, z, p, Quiet());
}

// (R e₀, R e₁, R e₂) for the right-handed turn R by `angle` about the unit vector n, with
// 1 − cos written as 2·sin²(angle/2) so that small turns keep their precision.
void turnedAxes(const Vector3 &n, double angle, Vector3 (&axes)[3])
{
    const double s = std::sin(angle);
    const double halfSine = std::sin(angle / 2);
    const double oneMinusCos = 2 * halfSine * halfSine;
    for (int j = 0; j < 3; ++j) {
        const Vector3 e = unit(j);
        axes[j] = (1 - oneMinusCos) * e + s * cross(n, e) + (oneMinusCos * get(n, j)) * n;
    }
}

Matrix4 fromColumns(const Vector3 &x, const Vector3 &y, const Vector3 &z)
{
    return { x.x, x.y, x.z, 0, y.x, y.y, y.z, 0, z.x, z.y, z.z, 0, 0, 0, 0, 1 };
}

} // namespace

ExactMotion::ExactMotion(const Vector3 &moments, const Vector3 &omega, const Matrix4 &orientation)
    : moments_(moments),
      start_(orientation),
      startMomentum_(componentwise(moments, omega)),
      worldMomentum_(toWorld(orientation, startMomentum_)),
      energy_(0.5 * dot(omega, startMomentum_)),
      length_(norm(startMomentum_))
{
    if (!(length_ > 0)) {
        regime_ = Regime::AtRest;
        return;
    }
    int order[3] = { 0, 1, 2 };
    std::sort(order, order + 3, [&](int a, int b) { return get(moments, a) < get(moments, b); });
    const double i1 = get(moments, order[0]), i2 = get(moments, order[1]),
                 i3 = get(moments, order[2]);
    // Components of L/|L| in the sorted right-handed frame, squared: only the middle one
    // changes sign with the frame, and these stay clear of underflow.
    const double handedness = order[1] == (order[0] + 1) % 3 ? 1 : -1;
    double q[3];
    for (int i = 0; i < 3; ++i)
        q[i] = std::pow(get(startMomentum_, order[i]) / length_, 2);
    const int onAxis = (q[0] == 0) + (q[1] == 0) + (q[2] == 0);

    if (i3 - i1 <= equalMoments * i3 || onAxis == 2) {
        regime_ = Regime::UniformRotation;
        precessionRate_ = norm(omega);
        return;
    }
    if (i2 - i1 <= equalMoments * i2 || i3 - i2 <= equalMoments * i3) {
        // Steady precession: L turns about the symmetry axis s in the body at
        // Ω = (1/Iₛ − 1/I⊥)·Lₛ while the body turns about L at |L|/I⊥.
        regime_ = Regime::SymmetricTop;
        const bool oblate = i2 - i1 <= i3 - i2;
        symmetryAxis_ = oblate ? order[2] : order[0];
        const double across = oblate ? i1 : i3;
        const double along = get(moments, symmetryAxis_);
        precessionRate_ = length_ / across;
        spinRate_ = get(startMomentum_, symmetryAxis_) * (across - along) / (along * across);
        return;
    }

    const double d21 = i2 - i1, d31 = i3 - i1, d32 = i3 - i2;
    const double g1 = q[1] * (d21 / i2) + q[2] * (d31 / i3);
    const double g3 = q[0] * (d31 / i1) + q[1] * (d32 / i2);
    const double g2 = q[2] * (d32 / i3) - q[0] * (d21 / i1);
    const double product = i1 * i2 * i3;
    int hub, pole;
    double modulusSquared, complementSquared, middleSquared, coefficient;
    if (g2 > 0) {
        regime_ = Regime::AroundLargestAxis;
        hub = 2;
        pole = 0;
        rate_ = length_ * std::sqrt(d32 * g1 / product);
        modulusSquared = d21 * g3 / (d32 * g1);
        complementSquared = d31 * g2 / (d32 * g1);
        middleSquared = i2 * g3 / d32;
        nu_ = i1 * g3 / (i3 * g1);
        coefficient = length_ * d31 * g3 / (i3 * i3 * g1);
    } else {
        regime_ = Regime::AroundSmallestAxis;
        hub = 0;
        pole = 2;
        rate_ = length_ * std::sqrt(d21 * g3 / product);
        modulusSquared = d32 * g1 / (d21 * g3);
        complementSquared = -d31 * g2 / (d21 * g3);
        middleSquared = i2 * g1 / d21;
        nu_ = i3 * g1 / (i1 * g3);
        coefficient = -length_ * d31 * g1 / (i1 * i1 * g3);
    }
    // Rounded separately, k² and k'² may miss 1 by an ulp; their ratio is what counts.
    const double sum = modulusSquared + complementSquared;
    complementSquared_ = complementSquared / sum;
    complement_ = std::sqrt(complementSquared_);
    modulus_ = std::sqrt(modulusSquared / sum);
    if (!(complementSquared_ >= std::numeric_limits<double>::min()))
        regime_ = Regime::Separatrix;

    hubAxis_ = order[hub];
    middleAxis_ = order[1];
    poleAxis_ = order[pole];
    const double hubValue = get(startMomentum_, hubAxis_);
    const double middleValue = handedness * get(startMomentum_, middleAxis_);
    const double poleValue = get(startMomentum_, poleAxis_);
    // Euler's equations fix sign(L₂) = sign(L_h)·sign(L_p) at a common sign of sn and cn.
    // cn takes both signs on an ellipse, so A_p > 0 there; on the separatrix cn = sech > 0
    // and the pole component keeps its start's sign.
    const double hubSign = hubValue < 0 ? -1 : 1;
    const double poleSign = regime_ == Regime::Separatrix && poleValue < 0 ? -1 : 1;
    // Where the middle component vanishes, L = (A₁, 0, A₃) on the smallest and largest axes.
    const double smallestAmplitude = length_ * std::sqrt(i1 * g3 / d31);
    const double largestAmplitude = length_ * std::sqrt(i3 * g1 / d31);
    hubAmplitude_ = hubSign * (hub == 0 ? smallestAmplitude : largestAmplitude);
    poleAmplitude_ = poleSign * (hub == 0 ? largestAmplitude : smallestAmplitude);
    const double middleAmplitude = hubSign * poleSign * length_ * std::sqrt(middleSquared);
    middleAmplitude_ = handedness * middleAmplitude;
    hubRate_ = length_ / (hub == 0 ? i1 : i3);
    integralScale_ = coefficient / rate_;

    // The start's point on the curve: cn u₀ and sn u₀ up to a common positive factor.
    const double cosine = poleValue / poleAmplitude_;
    const double sine = middleValue / middleAmplitude;
    if (regime_ == Regime::Separatrix) {
        startArgument_ = std::asinh(sine / cosine);
    } else {
        quarterPeriod_ = carlsonF(0, complementSquared_, 1);
        halfPeriodIntegral_ = 2 * carlsonJ(0, complementSquared_, 1, 1 + nu_) / 3;
        const double radius = std::hypot(cosine, sine);
        const double c = cosine / radius, s = sine / radius;
        const double f = s * carlsonF(c * c, c * c + complementSquared_ * s * s, 1);
        startArgument_ = c >= 0 ? f : std::copysign(2 * quarterPeriod_, s) - f;
    }
    momentumAtArgument(startArgument_, &startIntegral_);

    // P₀ from n = L/|L| and the pole axis, then the frame O₀·P₀ᵀ that keeps L in place.
    const Vector3 n = (1 / length_) * startMomentum_;
    const Vector3 across = cross(n, unit(poleAxis_));
    const Vector3 r1 = (1 / norm(across)) * across;
    const Vector3 rows[3] = { r1, cross(n, r1), n };
    for (int i = 0; i < 3; ++i) {
        const Vector3 w = toWorld(start_, rows[i]);
        frame_[i][0] = w.x;
        frame_[i][1] = w.y;
        frame_[i][2] = w.z;
    }
}

Vector3 ExactMotion::momentumAtArgument(double u, double *integral) const
{
    double sn, cn, dn;
    if (regime_ == Regime::Separatrix) {
        sn = std::tanh(u);
        cn = dn = 1 / std::cosh(u);
        if (integral) {
            const double root = std::sqrt(nu_);
            *integral = (u - std::atan(root * sn) / root) / (1 + nu_);
        }
    } else {
        const double period = 2 * quarterPeriod_;
        const double turns = std::nearbyint(u / period);
        const double r = std::fma(-turns, period, u);
        const double v = std::abs(r);
        if (v <= quarterPeriod_ / 2) {
            sn = boost::math::jacobi_elliptic(modulus_, v, &cn, &dn, Quiet());
        } else {
            double s, c, d;
            s = boost::math::jacobi_elliptic(modulus_, quarterPeriod_ - v, &c, &d, Quiet());
            sn = c / d;
            cn = complement_ * s / d;
            dn = complement_ / d;
        }
        sn = std::copysign(sn, r);
        if (integral) {
            const double sn2 = sn * sn;
            *integral = turns * halfPeriodIntegral_
                + sn * sn2 / 3 * carlsonJ(cn * cn, dn * dn, 1, 1 + nu_ * sn2);
        }
        if (std::fmod(turns, 2) != 0) {
            sn = -sn;
            cn = -cn;
        }
    }
    Vector3 l;
    set(l, hubAxis_, hubAmplitude_ * dn);
    set(l, middleAxis_, middleAmplitude_ * sn);
    set(l, poleAxis_, poleAmplitude_ * cn);
    return l;
}

Vector3 ExactMotion::omegaAt(double t) const
{
    switch (regime_) {
    case Regime::AtRest:
        return {};
    case Regime::UniformRotation:
    case Regime::SymmetricTop: {
        // L turns about the symmetry axis by −Ω·t.
        const int a = (symmetryAxis_ + 1) % 3, b = (symmetryAxis_ + 2) % 3;
        const double c = std::cos(spinRate_ * t), s = std::sin(spinRate_ * t);
        Vector3 l = startMomentum_;
        set(l, a, c * get(startMomentum_, a) + s * get(startMomentum_, b));
        set(l, b, c * get(startMomentum_, b) - s * get(startMomentum_, a));
        return { l.x / moments_.x, l.y / moments_.y, l.z / moments_.z };
    }
    default: {
        const Vector3 l = momentumAtArgument(startArgument_ + rate_ * t, nullptr);
        return { l.x / moments_.x, l.y / moments_.y, l.z / moments_.z };
    }
    }
}

ExactMotion::Sample ExactMotion::symmetricAt(double t) const
{
    // O₀·R(n₀, |L|·t/I⊥)·R(eₛ, Ω·t): the body turns about the start's L direction, fixed in
    // space, and spins about its symmetry axis.
    Vector3 axes[3];
    turnedAxes((1 / length_) * startMomentum_, precessionRate_ * t, axes);
    const int a = (symmetryAxis_ + 1) % 3, b = (symmetryAxis_ + 2) % 3;
    const double c = std::cos(spinRate_ * t), s = std::sin(spinRate_ * t);
    const Vector3 turnedA = c * axes[a] + s * axes[b];
    axes[b] = c * axes[b] - s * axes[a];
    axes[a] = turnedA;
    return { omegaAt(t),
        fromColumns(toWorld(start_, axes[0]), toWorld(start_, axes[1]), toWorld(start_, axes[2])) };
}

ExactMotion::Sample ExactMotion::at(double t) const
{
    if (regime_ == Regime::AtRest)
        return { {}, start_ };
    if (regime_ == Regime::UniformRotation || regime_ == Regime::SymmetricTop)
        return symmetricAt(t);

    double integral;
    const Vector3 l = momentumAtArgument(startArgument_ + rate_ * t, &integral);
    const double angle = hubRate_ * t + integralScale_ * (integral - startIntegral_);
    const double c = std::cos(angle), s = std::sin(angle);
    // O₀·P₀ᵀ·R_z(angle), column by column.
    const Vector3 w1 { frame_[0][0], frame_[0][1], frame_[0][2] };
    const Vector3 w2 { frame_[1][0], frame_[1][1], frame_[1][2] };
    const Vector3 turned[3]
        = { c * w1 + s * w2, c * w2 - s * w1, { frame_[2][0], frame_[2][1], frame_[2][2] } };
    // Times P(t): body axis j lands on Σᵢ turnedᵢ·(row i of P)ⱼ.
    const Vector3 n = (1 / norm(l)) * l;
    const Vector3 across = cross(n, unit(poleAxis_));
    const Vector3 r1 = (1 / norm(across)) * across;
    const Vector3 r2 = cross(n, r1);
    Vector3 body[3];
    for (int j = 0; j < 3; ++j)
        body[j] = get(r1, j) * turned[0] + get(r2, j) * turned[1] + get(n, j) * turned[2];
    return { { l.x / moments_.x, l.y / moments_.y, l.z / moments_.z },
        fromColumns(body[0], body[1], body[2]) };
}

} // namespace vorlix
