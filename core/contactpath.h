// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef VORLIX_CONTACTPATH_H
#define VORLIX_CONTACTPATH_H

#include "vector3.h"

#include <cstddef>
#include <vector>

namespace vorlix {

/// Appends the point of contact to a polhode or herpolhode. The last point always follows
/// p. The point before it is kept only where the path bends away from the straight line
/// by more than `tolerance`, or where that line would grow longer than 50 tolerances;
/// every point costs drawing time, and a tick moves the point a small fraction of a pixel
/// where it lingers near an unstable axis. A repaint without a tick adds nothing. A path
/// of `capacity` points stops changing.
void appendContactPoint(
    std::vector<Vector3> &path, const Vector3 &p, double tolerance, std::size_t capacity);

} // namespace vorlix

#endif
