// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef VORLIX_LASTTURN_H
#define VORLIX_LASTTURN_H

#include "vector3.h"

#include <cstddef>
#include <vector>

namespace vorlix {

/// Where the newest stretch of `path` that goes once round `axis` (as seen from the
/// origin along it) begins: the largest index from which the path's turn about the axis
/// reaches a whole turn, or 0 when the whole path turns less. A cone from the origin over
/// that stretch is what every earlier turn would draw again, or nearly, at the cost of one.
std::size_t lastTurnStart(const std::vector<Vector3> &path, const Vector3 &axis);

/// The axis that ω's path in the body (the polhode) goes round, on ω's side: the
/// principal axis of least moment when D = |L|²/(2T) is below the middle moment, of
/// greatest moment when above. Where there is none (D at the middle moment: a
/// separatrix, a symmetric top spun in its equal plane, a sphere) ω's own direction, which
/// no path goes round, so that the whole path is kept.
Vector3 polhodeAxis(const Vector3 &moments, const Vector3 &omega);

} // namespace vorlix

#endif
