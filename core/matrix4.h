#ifndef VORLIX_MATRIX4_H
#define VORLIX_MATRIX4_H

#include <array>

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

} // namespace vorlix

#endif
