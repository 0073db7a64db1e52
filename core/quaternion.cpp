// SPDX-License-Identifier: GPL-3.0-or-later
#include "quaternion.h"

#include <cmath>

namespace vorlix {

Quaternion quaternionFromRotation(const Matrix4 &m)
{
    // Column-major: (row r, column c) is at c·4 + r.
    const double m00 = m[0], m10 = m[1], m20 = m[2];
    const double m01 = m[4], m11 = m[5], m21 = m[6];
    const double m02 = m[8], m12 = m[9], m22 = m[10];
    const double trace = m00 + m11 + m22;

    Quaternion q;
    if (trace >= m00 && trace >= m11 && trace >= m22) {
        const double s = 2 * std::sqrt(1 + trace); // 4w
        q = { s / 4, (m21 - m12) / s, (m02 - m20) / s, (m10 - m01) / s };
    } else if (m00 >= m11 && m00 >= m22) {
        const double s = 2 * std::sqrt(1 + m00 - m11 - m22); // 4x
        q = { (m21 - m12) / s, s / 4, (m01 + m10) / s, (m02 + m20) / s };
    } else if (m11 >= m22) {
        const double s = 2 * std::sqrt(1 - m00 + m11 - m22); // 4y
        q = { (m02 - m20) / s, (m01 + m10) / s, s / 4, (m12 + m21) / s };
    } else {
        const double s = 2 * std::sqrt(1 - m00 - m11 + m22); // 4z
        q = { (m10 - m01) / s, (m02 + m20) / s, (m12 + m21) / s, s / 4 };
    }
    const double n = std::copysign(std::sqrt(q.w * q.w + q.x * q.x + q.y * q.y + q.z * q.z), q.w);
    return { q.w / n, q.x / n, q.y / n, q.z / n };
}

} // namespace vorlix
