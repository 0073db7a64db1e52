// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef VORLIX_SCENEGEOMETRY_H
#define VORLIX_SCENEGEOMETRY_H

#include "rigidbody.h"

namespace vorlix {

/// Longest semi-axis of Poinsot's ellipsoid as drawn: the one about the axis of least moment.
constexpr double ellipsoidRadius = 0.65;

struct Viewport {
    int x, y, side;
};

/// The square viewport centred on a w × h widget: side = max(w, h), offsets truncated
/// toward zero, so the picture is never stretched and the shorter dimension is cropped.
Viewport squareViewport(int w, int h);

/// The smallest moment, picked by the comparisons the ellipsoid has always used
/// (a NaN moment makes them choose the later operand).
double smallestMoment(double inertiaX, double inertiaY, double inertiaZ);

/// Per-axis scale of Poinsot's ellipsoid: √(Imin / I) for each axis, so the semi-axes are
/// proportional to 1/√I and the one about the axis of least moment keeps the full radius.
Vector3 ellipsoidScale(double inertiaX, double inertiaY, double inertiaZ, double inertiaMin);

} // namespace vorlix

#endif
