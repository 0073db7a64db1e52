// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef VORLIX_QUATERNION_H
#define VORLIX_QUATERNION_H

#include "matrix4.h"

namespace vorlix {

/// A unit quaternion w + x·i + y·j + z·k. The rotation by the angle θ about the unit axis
/// n is (cos θ/2, sin θ/2 · n).
struct Quaternion {
    double w = 1, x = 0, y = 0, z = 0;
};

/// The unit quaternion of the rotation in the upper-left 3×3 block of `m`, with w ≥ 0
/// (q and −q are the same rotation). Shepperd's method (J. Guidance and Control 1(3),
/// 1978, p. 223): of 4w², 4x², 4y², 4z², each a sum of diagonal entries, the largest is
/// taken under the square root and the other components follow from off-diagonal sums
/// divided by it, so no division is by a small number and every rotation, 180° turns
/// included, comes out to rounding. A block that is only nearly orthonormal (explicit
/// Euler's drift) gives the normalised quaternion of its nearest reading.
Quaternion quaternionFromRotation(const Matrix4 &m);

} // namespace vorlix

#endif
