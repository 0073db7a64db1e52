// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef VORLIX_OVERLAYSWITCHES_H
#define VORLIX_OVERLAYSWITCHES_H

/// Which parts of Poinsot's construction, and whether the exact pose, the view draws over
/// the body; the Physics menu holds the truth, and every new view is handed a copy.
struct OverlaySwitches {
    bool angularMomentum = false;
    bool angularVelocity = false;
    bool polhode = false;
    bool invariablePlane = false;
    bool ghost = false; ///< the body where the exact motion has it, translucent
};

#endif
