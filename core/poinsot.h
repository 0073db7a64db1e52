// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef VORLIX_POINSOT_H
#define VORLIX_POINSOT_H

#include "matrix4.h"
#include "vector3.h"

namespace vorlix {

/// Poinsot's construction for the drawn ellipsoid Σ Ii·xi² = ellipsoidRadius²·Imin: the
/// ellipsoid rolls without slipping on the invariable plane, touching it at the point p
/// on the angular velocity, while the plane stays fixed in space perpendicular to L.
struct PoinsotConstruction {
    /// False when there is nothing to draw: the body at rest, no positive energy or
    /// moments, or values that are not finite. All other fields are then zero.
    bool drawable = false;
    Vector3 bodyMomentum;
    Vector3 worldMomentum;
    double energy = 0;
    /// c in p = c·ω: ellipsoidRadius·√(Imin / 2T).
    double contactScale = 0;
    /// The point of contact p in the body frame and O·p in space.
    Vector3 bodyContact;
    Vector3 worldContact;
    /// The invariable plane: {x : x·normal = distance}, normal = L/|L| in space.
    double planeDistance = 0;
    Vector3 planeNormal;
    /// A rotation whose columns are two orthonormal directions in the plane and the
    /// normal: it takes +Z to the normal, so a disc drawn about Z lies in the plane.
    Matrix4 planeFrame = identityMatrix();
};

/// The construction for principal moments I, the angular velocity ω about the body's own
/// axes and the orientation O (its columns are the body axes in space).
PoinsotConstruction poinsotConstruction(
    const Vector3 &moments, const Vector3 &omega, const Matrix4 &orientation);

/// A rotation taking +Z to the direction of d (any length), its other two columns an
/// orthonormal pair across d; the identity for a zero or non-finite d.
Matrix4 frameAlong(const Vector3 &d);

} // namespace vorlix

#endif
