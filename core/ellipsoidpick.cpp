// SPDX-License-Identifier: GPL-3.0-or-later
#include "ellipsoidpick.h"

#include "scenegeometry.h"

#include <algorithm>
#include <cmath>

namespace vorlix {

namespace {

double quadratic(const Vector3 &moments, const Vector3 &a, const Vector3 &b)
{
    return dot(componentwise(moments, a), b);
}

/// The widget point in normalised device coordinates, x and y in [−1, 1] across the
/// square viewport; and back.
Vector3 deviceFromWidget(int w, int h, const QPointF &p)
{
    const Viewport v = squareViewport(w, h);
    return { 2 * (p.x() - v.x) / v.side - 1, 2 * (h - p.y() - v.y) / v.side - 1, 0 };
}

QPointF widgetFromDevice(int w, int h, const Vector3 &d)
{
    const Viewport v = squareViewport(w, h);
    return { v.x + (d.x + 1) * v.side / 2, h - (v.y + (d.y + 1) * v.side / 2) };
}

} // namespace

std::optional<Vector3> pickEllipsoidPoint(int w, int h, const QPointF &click, const Matrix4 &view,
    const Matrix4 &orientation, const Vector3 &moments)
{
    const double least = smallestMoment(moments.x, moments.y, moments.z);
    if (w <= 0 || h <= 0 || !(least > 0) || !isFinite(moments))
        return std::nullopt;
    // eye = A·x + t; the rows of A⁻¹ are the crossed columns over det A.
    const Matrix4 m = multiply(view, orientation);
    const Vector3 c0 = column(m, 0), c1 = column(m, 1), c2 = column(m, 2);
    const Vector3 r0 = cross(c1, c2), r1 = cross(c2, c0), r2 = cross(c0, c1);
    const double det = dot(c0, r0);
    const auto toBody = [&](const Vector3 &e) {
        return (1 / det) * Vector3 { dot(r0, e), dot(r1, e), dot(r2, e) };
    };
    // The line of sight x = start + s·ahead, where s is the eye z.
    const Vector3 start = toBody(deviceFromWidget(w, h, click) - Vector3 { m[12], m[13], m[14] });
    const Vector3 ahead = toBody({ 0, 0, 1 });
    // a·s² + 2b·s + k = 0; the nearer point has the smaller s. The root q/a adds terms of
    // one sign, and the other follows from the product of the roots, k/a, without the
    // cancellation of the textbook formula.
    const double level = ellipsoidRadius * ellipsoidRadius * least;
    const double a = quadratic(moments, ahead, ahead), b = quadratic(moments, start, ahead);
    const double k = quadratic(moments, start, start) - level;
    const double discriminant = b * b - a * k;
    if (!(discriminant >= 0) || !std::isfinite(a * discriminant))
        return std::nullopt;
    const double q = -(b + std::copysign(std::sqrt(discriminant), b));
    const double s = q == 0 ? 0 : std::min(q / a, k / q);
    return start + s * ahead;
}

QPointF widgetPosition(
    int w, int h, const Vector3 &bodyPoint, const Matrix4 &view, const Matrix4 &orientation)
{
    const Matrix4 m = multiply(view, orientation);
    return widgetFromDevice(w, h, toWorld(m, bodyPoint) + Vector3 { m[12], m[13], m[14] });
}

Vector3 omegaWithEnergy(const Vector3 &direction, const Vector3 &moments, double energy)
{
    const double scale = std::sqrt(2 * energy / quadratic(moments, direction, direction));
    return energy > 0 && std::isfinite(scale) && isFinite(direction) ? scale * direction
                                                                     : Vector3 {};
}

} // namespace vorlix
