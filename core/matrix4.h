// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef VORLIX_MATRIX4_H
#define VORLIX_MATRIX4_H

#include "vector3.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace vorlix {

/// A 4×4 matrix of doubles in OpenGL's column-major layout: element (row r, column c)
/// is at index c·4 + r. The program only ever holds pure rotations in it, so the first
/// three columns of a body's orientation are its X, Y and Z axes in world coordinates.
using Matrix4 = std::array<double, 16>;

Matrix4 identityMatrix();

/// The product a · b, as glMultMatrixd(b) applied to a current matrix a.
Matrix4 multiply(const Matrix4 &a, const Matrix4 &b);

/// The rotation glRotated(angleDegrees, x, y, z) builds: right-handed, about the axis
/// (x, y, z) normalised; a zero axis gives the identity.
Matrix4 rotation(double angleDegrees, double x, double y, double z);

/// Largest deviation of the upper-left 3×3 block from an orthonormal matrix:
/// max |MᵀM − I| over its nine entries.
double orthonormalityError(const Matrix4 &m);

/// The angle in radians, in [0, π], of the rotation aᵀ·b that takes orientation a to b.
/// Taken as atan2(|axis|, trace − 1) from the skew and symmetric parts, so that angles
/// near zero keep their full relative precision (acos of the trace would lose half the
/// digits).
double rotationAngleBetween(const Matrix4 &a, const Matrix4 &b);

inline bool isFinite(const Matrix4 &m)
{
    return std::all_of(m.begin(), m.end(), [](double e) { return std::isfinite(e); });
}

/// Column i (0, 1, 2) of the upper-left 3×3 block: body axis i in world coordinates.
inline Vector3 column(const Matrix4 &m, int i)
{
    return { m[i * 4], m[i * 4 + 1], m[i * 4 + 2] };
}

/// The body-frame vector v in world coordinates, O·v for the orientation O.
inline Vector3 toWorld(const Matrix4 &o, const Vector3 &v)
{
    return v.x * column(o, 0) + v.y * column(o, 1) + v.z * column(o, 2);
}

} // namespace vorlix

#endif
