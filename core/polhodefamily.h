// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef VORLIX_POLHODEFAMILY_H
#define VORLIX_POLHODEFAMILY_H

#include "vector3.h"

#include <vector>

namespace vorlix {

/// One polhode on the drawn ellipsoid Σ Ii·xi² = c, c = ellipsoidRadius²·Imin, in the
/// body frame. The point of contact of a motion with kinetic energy T and angular momentum
/// L is p = ellipsoidRadius·√(Imin/2T)·ω, so Σ Ii·pi² = c and Σ Ii²·pi² = D·c with
/// D = |L|²/(2T): the polhode is the intersection of these two ellipsoids.
struct PolhodeCurve {
    /// A closed curve: the last point joins the first, which is not repeated (a line loop;
    /// a cone through it is a triangle fan from the origin over the points and the first
    /// point again).
    std::vector<Vector3> points;
    /// D = |L|²/(2T) of every motion along the curve, between Imin and Imax.
    double level = 0;
    /// D = Imid: the two ellipses through ±ellipsoidRadius·√(Imin/Imid) on the
    /// intermediate axis that separate the motions about the least axis from those about
    /// the largest.
    bool separatrix = false;
};

/// Moments whose relative difference is below this are drawn as equal: the band of
/// polhodes between them would be narrower than √1e-6, a thousandth of the ellipsoid.
constexpr double equalMomentsTolerance = 1e-6;

/// The map of all motions for principal moments I, in any order, sorted by level:
/// `levelsPerSide` levels evenly spaced in each of (Imin, Imid) and (Imid, Imax), each
/// giving a curve about the + and one about the − end of the axis it circles, and the two
/// separatrix ellipses. A symmetric top has only the circles about its symmetry axis, a
/// sphere nothing; so have moments that are not all positive and finite. Each curve has
/// `pointsPerCurve` points, rounded up to an even number of at least 8, so that a level's
/// closest approaches to the intermediate axis are always points of its curve.
std::vector<PolhodeCurve> polhodeFamily(
    const Vector3 &moments, int levelsPerSide = 6, int pointsPerCurve = 96);

} // namespace vorlix

#endif
