// SPDX-License-Identifier: GPL-3.0-or-later
#include "contactpath.h"

#include <algorithm>

namespace vorlix {

namespace {

double distanceToSegment(const Vector3 &q, const Vector3 &a, const Vector3 &b)
{
    const Vector3 ab = b - a;
    const double length2 = dot(ab, ab);
    const double t = length2 > 0 ? std::clamp(dot(q - a, ab) / length2, 0.0, 1.0) : 0.0;
    return norm(a + t * ab - q);
}

} // namespace

void appendContactPoint(
    std::vector<Vector3> &path, const Vector3 &p, double tolerance, std::size_t capacity)
{
    const std::size_t n = path.size();
    if (n >= capacity)
        return;
    if (n >= 2 && distanceToSegment(path[n - 1], path[n - 2], p) <= tolerance
        && norm(p - path[n - 2]) <= 50 * tolerance)
        path.back() = p; // the newest point lies on the way: it moves on to p
    else if (n == 0 || norm(p - path.back()) > 0)
        path.push_back(p);
}

} // namespace vorlix
