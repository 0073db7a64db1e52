// SPDX-License-Identifier: GPL-3.0-or-later
#include "poinsot.h"

#include "invariants.h"
#include "scenegeometry.h"

#include <cmath>

namespace vorlix {

Matrix4 frameAlong(const Vector3 &d)
{
    const double length = norm(d);
    if (!(length > 0) || !std::isfinite(length))
        return identityMatrix();
    const Vector3 n = (1 / length) * d;
    // Crossed with the coordinate axis least aligned with n, so the cross is never short.
    const double ax = std::abs(n.x), ay = std::abs(n.y), az = std::abs(n.z);
    const Vector3 helper = ax <= ay && ax <= az ? Vector3 { 1, 0, 0 }
        : ay <= az                              ? Vector3 { 0, 1, 0 }
                                                : Vector3 { 0, 0, 1 };
    const Vector3 c = cross(helper, n);
    const Vector3 u = (1 / norm(c)) * c;
    const Vector3 v = cross(n, u);
    return { u.x, u.y, u.z, 0, v.x, v.y, v.z, 0, n.x, n.y, n.z, 0, 0, 0, 0, 1 };
}

PoinsotConstruction poinsotConstruction(
    const Vector3 &moments, const Vector3 &omega, const Matrix4 &orientation)
{
    const double least = smallestMoment(moments.x, moments.y, moments.z);
    const double energy = kineticEnergy(moments, omega);
    const Vector3 momentum = bodyAngularMomentum(moments, omega);
    const double momentumSize = norm(momentum);
    if (!(least > 0) || !(energy > 0) || !(momentumSize > 0) || !isFinite(omega))
        return {};

    PoinsotConstruction c;
    c.energy = energy;
    c.bodyMomentum = momentum;
    c.worldMomentum = toWorld(orientation, momentum);
    c.contactScale = ellipsoidRadius * std::sqrt(least / (2 * energy));
    c.bodyContact = c.contactScale * omega;
    c.worldContact = toWorld(orientation, c.bodyContact);
    // p·L = c·ω·L = c·2T.
    c.planeDistance = c.contactScale * 2 * energy / momentumSize;
    c.planeNormal = (1 / norm(c.worldMomentum)) * c.worldMomentum;
    c.planeFrame = frameAlong(c.worldMomentum);
    c.drawable
        = isFinite(c.worldContact) && isFinite(c.planeNormal) && std::isfinite(c.planeDistance);
    return c.drawable ? c : PoinsotConstruction {};
}

} // namespace vorlix
