// SPDX-License-Identifier: GPL-3.0-or-later
#include "matrix4.h"

#include <algorithm>
#include <cmath>

namespace vorlix {

Matrix4 identityMatrix()
{
    return { 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1 };
}

Matrix4 multiply(const Matrix4 &a, const Matrix4 &b)
{
    Matrix4 p {};
    for (int c = 0; c < 4; ++c)
        for (int r = 0; r < 4; ++r) {
            double sum = 0;
            for (int k = 0; k < 4; ++k)
                sum += a[k * 4 + r] * b[c * 4 + k];
            p[c * 4 + r] = sum;
        }
    return p;
}

Matrix4 rotation(double angleDegrees, double x, double y, double z)
{
    const double length = std::sqrt(x * x + y * y + z * z);
    if (length == 0)
        return identityMatrix();
    x /= length;
    y /= length;
    z /= length;
    const double radians = angleDegrees * M_PI / 180.0;
    const double c = std::cos(radians);
    const double s = std::sin(radians);
    const double t = 1 - c;
    return { x * x * t + c, y * x * t + z * s, x * z * t - y * s, 0, x * y * t - z * s,
        y * y * t + c, y * z * t + x * s, 0, x * z * t + y * s, y * z * t - x * s, z * z * t + c, 0,
        0, 0, 0, 1 };
}

double orthonormalityError(const Matrix4 &m)
{
    double worst = 0;
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) {
            double dot = 0;
            for (int k = 0; k < 3; ++k)
                dot += m[i * 4 + k] * m[j * 4 + k];
            worst = std::max(worst, std::abs(dot - (i == j ? 1.0 : 0.0)));
        }
    return worst;
}

double rotationAngleBetween(const Matrix4 &a, const Matrix4 &b)
{
    // (aᵀb)ᵢⱼ = column i of a · column j of b.
    double r[3][3];
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            r[i][j] = dot(column(a, i), column(b, j));
    const double twiceSine = std::hypot(r[2][1] - r[1][2], r[0][2] - r[2][0], r[1][0] - r[0][1]);
    const double twiceCosine = r[0][0] + r[1][1] + r[2][2] - 1;
    return std::atan2(twiceSine, twiceCosine);
}

} // namespace vorlix
