// SPDX-License-Identifier: GPL-3.0-or-later
#include "lastturn.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace vorlix {

std::size_t lastTurnStart(const std::vector<Vector3> &path, const Vector3 &axis)
{
    constexpr double wholeTurn = 2 * M_PI;
    double turned = 0;
    for (std::size_t i = path.size(); i-- > 1;) {
        // The signed angle between neighbours' projections across the axis, which needs
        // neither projection nor normalisation: |a × b|·sign and a·b of the parts
        // across the axis.
        const Vector3 &a = path[i - 1], &b = path[i];
        const double along = dot(cross(a, b), axis);
        const double across = dot(a, b) - dot(a, axis) * dot(b, axis) / dot(axis, axis);
        turned += std::atan2(along / std::sqrt(dot(axis, axis)), across);
        if (std::abs(turned) >= wholeTurn)
            return i - 1;
    }
    return 0;
}

Vector3 polhodeAxis(const Vector3 &moments, const Vector3 &omega)
{
    const std::array<double, 3> I { moments.x, moments.y, moments.z };
    const std::array<double, 3> w { omega.x, omega.y, omega.z };
    double twiceT = 0, L2 = 0;
    for (int k = 0; k < 3; ++k) {
        twiceT += I[k] * w[k] * w[k];
        L2 += I[k] * I[k] * w[k] * w[k];
    }
    std::array<int, 3> order { 0, 1, 2 };
    std::sort(order.begin(), order.end(), [&](int a, int b) { return I[a] < I[b]; });
    const double D = L2 / twiceT;
    const int circled = D < I[order[1]] ? order[0] : D > I[order[1]] ? order[2] : -1;
    if (!(twiceT > 0) || circled < 0 || w[circled] == 0)
        return omega;
    std::array<double, 3> axis {};
    axis[circled] = w[circled] > 0 ? 1 : -1;
    return { axis[0], axis[1], axis[2] };
}

} // namespace vorlix
