// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef VORLIX_VECTOR3_H
#define VORLIX_VECTOR3_H

#include <cmath>

namespace vorlix {

/// A vector of three doubles: angular velocities, moments, points and directions.
struct Vector3 {
    double x = 0, y = 0, z = 0;
};

inline Vector3 operator+(const Vector3 &a, const Vector3 &b)
{
    return { a.x + b.x, a.y + b.y, a.z + b.z };
}

inline Vector3 operator-(const Vector3 &a, const Vector3 &b)
{
    return { a.x - b.x, a.y - b.y, a.z - b.z };
}

inline Vector3 operator-(const Vector3 &a)
{
    return { -a.x, -a.y, -a.z };
}

inline Vector3 operator*(double s, const Vector3 &a)
{
    return { s * a.x, s * a.y, s * a.z };
}

inline Vector3 operator*(const Vector3 &a, double s)
{
    return s * a;
}

inline Vector3 &operator+=(Vector3 &a, const Vector3 &b)
{
    a = a + b;
    return a;
}

/// Component by component: moments times angular velocity give the angular momentum.
inline Vector3 componentwise(const Vector3 &a, const Vector3 &b)
{
    return { a.x * b.x, a.y * b.y, a.z * b.z };
}

inline double dot(const Vector3 &a, const Vector3 &b)
{
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

inline Vector3 cross(const Vector3 &a, const Vector3 &b)
{
    return { a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x };
}

inline double norm(const Vector3 &a)
{
    return std::sqrt(dot(a, a));
}

inline bool isFinite(const Vector3 &a)
{
    return std::isfinite(a.x) && std::isfinite(a.y) && std::isfinite(a.z);
}

} // namespace vorlix

#endif
