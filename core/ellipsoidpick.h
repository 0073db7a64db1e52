// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef VORLIX_ELLIPSOIDPICK_H
#define VORLIX_ELLIPSOIDPICK_H

#include "matrix4.h"
#include "vector3.h"

#include <QPointF>
#include <optional>

namespace vorlix {

/// Picking on Poinsot's ellipsoid Σ Ii·xi² = ellipsoidRadius²·Imin as the view draws it:
/// no projection, so eye coordinates are clip coordinates and the view looks along +z
/// (the depth test keeps the smaller z); the scene is view · orientation · body point,
/// the ellipsoid unaffected by the zoom; the square viewport is squareViewport(w, h).
/// Widget coordinates are continuous, from the top left corner of the w × h widget with
/// y down: the pixel (i, j) covers [i, i + 1) × [j, j + 1).

/// The point of the ellipsoid under the widget point `click`, in the body frame: the
/// nearer to the viewer of the two where the line of sight crosses it. Nothing if the
/// line misses it, or for an empty widget, a singular transformation or moments that are
/// not all positive and finite.
std::optional<Vector3> pickEllipsoidPoint(int w, int h, const QPointF &click, const Matrix4 &view,
    const Matrix4 &orientation, const Vector3 &moments);

/// Where the body-frame point appears in the widget: the inverse of the pick.
QPointF widgetPosition(
    int w, int h, const Vector3 &bodyPoint, const Matrix4 &view, const Matrix4 &orientation);

/// The angular velocity along `direction` (body frame) with kinetic energy
/// T = ½·Σ Ii·ωi² = energy: ω = √(2T / Σ Ii·di²)·d. From a point on the ellipsoid it is
/// the motion whose point of contact is that point. Zero, the body at rest, for a zero or
/// non-finite direction, an energy not above zero or moments that give no energy.
Vector3 omegaWithEnergy(const Vector3 &direction, const Vector3 &moments, double energy);

} // namespace vorlix

#endif
