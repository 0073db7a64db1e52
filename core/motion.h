// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef VORLIX_MOTION_H
#define VORLIX_MOTION_H

#include "vector3.h"

namespace vorlix {

/// The parameter panel's values that decide how the body moves.
struct Motion {
    Vector3 moments { 1, 1, 1 }; ///< Ix, Iy, Iz
    Vector3 omega; ///< rad/s about the body's axes, before Speed
    double speed = 1; ///< the simulation runs with ω times this
    int iterationsPerFrame = 50;
};

} // namespace vorlix

#endif
