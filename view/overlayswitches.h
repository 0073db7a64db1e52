// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef VORLIX_OVERLAYSWITCHES_H
#define VORLIX_OVERLAYSWITCHES_H

/// Which parts of Poinsot's construction, and whether the exact pose, the view draws over
/// the body, and from where it is seen; the Physics menu holds the truth, and every new
/// view is handed a copy.
struct OverlaySwitches {
    bool angularMomentum = false;
    bool angularVelocity = false;
    bool polhode = false;
    bool invariablePlane = false;
    /// The polhodes of every level for the current moments, on the drawn ellipsoid.
    bool polhodeFamily = false;
    /// The cones ω sweeps in the body and in space.
    bool cones = false;

    /// Turned on top of the view matrix, so that the user's own turns stay relative to it.
    enum class Camera {
        /// The view matrix alone.
        Standard,
        /// L points towards the viewer.
        AlongL,
        /// The body stands still on screen.
        WithBody,
    };
    Camera camera = Camera::Standard;

    bool ghost = false; ///< the body where the exact motion has it, translucent
};

#endif
