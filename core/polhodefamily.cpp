// SPDX-License-Identifier: GPL-3.0-or-later
#include "polhodefamily.h"

#include "scenegeometry.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace vorlix {

namespace {

struct Axis {
    double moment;
    Vector3 direction;
};

/// For a ≤ b.
bool drawnEqual(double a, double b)
{
    return b - a <= equalMomentsTolerance * b;
}

/// The two curves of level D about the least or the largest axis a. Eliminating xa between
/// the two ellipsoids leaves Ij·(Ij − Ia)·xj² + Ik·(Ik − Ia)·xk² = c·(D − Ia), an ellipse
/// across the axis, with j the intermediate axis. So xj = √(c·sj/Ij)·cos θ,
/// xk = √(c·sk/Ik)·sin θ and Ia·xa² = c·((1 − sj)·cos²θ + (1 − sk)·sin²θ), where
/// si = (D − Ia)/(Ii − Ia); every factor is formed without cancellation.
void appendLevel(std::vector<PolhodeCurve> &family, const Axis &around, const Axis &middle,
    const Axis &other, double level, int count, double c)
{
    const double ia = around.moment;
    const double alongMiddle = std::sqrt(c / middle.moment * ((level - ia) / (middle.moment - ia)));
    const double alongOther = std::sqrt(c / other.moment * ((level - ia) / (other.moment - ia)));
    const double restMiddle = (middle.moment - level) / (middle.moment - ia);
    const double restOther = (other.moment - level) / (other.moment - ia);
    // Near the separatrix the curve turns sharply as it passes the intermediate axis, within
    // about √(restMiddle/restOther) of θ = 0 and π. θ = φ − (1 − s)/2·sin 2φ puts the points
    // s times closer there and up to 2 − s times farther apart elsewhere; s, the eighth root
    // of the ratio, kept 96 points within 6e-4 of the curve for every body tried, better
    // than an even θ or the full square root.
    const double squeeze = std::pow(restMiddle / restOther, 0.125);
    PolhodeCurve plus, minus;
    plus.level = minus.level = level;
    plus.points.reserve(count);
    minus.points.reserve(count);
    for (int i = 0; i < count; ++i) {
        const double phi = 2 * M_PI * i / count;
        const double theta = phi - 0.5 * (1 - squeeze) * std::sin(2 * phi);
        const double cs = std::cos(theta), sn = std::sin(theta);
        const double xa = std::sqrt(c / ia * (restMiddle * cs * cs + restOther * sn * sn));
        const Vector3 across
            = alongMiddle * cs * middle.direction + alongOther * sn * other.direction;
        plus.points.push_back(across + xa * around.direction);
        minus.points.push_back(across - xa * around.direction);
    }
    family.push_back(std::move(plus));
    family.push_back(std::move(minus));
}

/// At D = Imid the least-axis term of the ellipse across it vanishes and the curves
/// become the sections of the ellipsoid by the planes √(I1·(I2 − I1))·x1 = ±√(I3·(I3 − I2))·x3
/// through the intermediate axis: two ellipses meeting on it.
void appendSeparatrix(std::vector<PolhodeCurve> &family, const Axis &least, const Axis &middle,
    const Axis &largest, int count, double c)
{
    const double span = largest.moment - least.moment;
    const double alongMiddle = std::sqrt(c / middle.moment);
    const double alongLeast
        = std::sqrt(c / least.moment * ((largest.moment - middle.moment) / span));
    const double alongLargest
        = std::sqrt(c / largest.moment * ((middle.moment - least.moment) / span));
    for (const double side : { 1.0, -1.0 }) {
        PolhodeCurve curve;
        curve.level = middle.moment;
        curve.separatrix = true;
        curve.points.reserve(count);
        for (int i = 0; i < count; ++i) {
            const double theta = 2 * M_PI * i / count;
            curve.points.push_back(std::cos(theta) * alongMiddle * middle.direction
                + std::sin(theta)
                    * (alongLeast * least.direction + side * alongLargest * largest.direction));
        }
        family.push_back(std::move(curve));
    }
}

} // namespace

std::vector<PolhodeCurve> polhodeFamily(
    const Vector3 &moments, int levelsPerSide, int pointsPerCurve)
{
    std::array<Axis, 3> axes { Axis { moments.x, { 1, 0, 0 } }, Axis { moments.y, { 0, 1, 0 } },
        Axis { moments.z, { 0, 0, 1 } } };
    for (const Axis &a : axes)
        if (!(a.moment > 0) || !std::isfinite(a.moment))
            return {};
    std::sort(
        axes.begin(), axes.end(), [](const Axis &a, const Axis &b) { return a.moment < b.moment; });
    const auto &[least, middle, largest] = axes;
    const double c = ellipsoidRadius * ellipsoidRadius * least.moment;
    const int count = 2 * std::max(4, pointsPerCurve / 2 + pointsPerCurve % 2);
    const int levels = std::max(0, levelsPerSide);
    const bool aboutLeast = !drawnEqual(least.moment, middle.moment);
    const bool aboutLargest = !drawnEqual(middle.moment, largest.moment);

    std::vector<PolhodeCurve> family;
    if (aboutLeast)
        for (int k = 1; k <= levels; ++k)
            appendLevel(family, least, middle, largest,
                least.moment + k * (middle.moment - least.moment) / (levels + 1), count, c);
    if (aboutLeast && aboutLargest)
        appendSeparatrix(family, least, middle, largest, count, c);
    if (aboutLargest)
        for (int k = 1; k <= levels; ++k)
            appendLevel(family, largest, middle, least,
                middle.moment + k * (largest.moment - middle.moment) / (levels + 1), count, c);
    return family;
}

} // namespace vorlix
