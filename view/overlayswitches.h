// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef VORLIX_OVERLAYSWITCHES_H
#define VORLIX_OVERLAYSWITCHES_H

/// Which parts of Poinsot's construction the view draws over the body; the Physics menu
/// holds the truth, and every new view is handed a copy.
struct OverlaySwitches {
    bool angularMomentum = false;
    bool angularVelocity = false;
    bool polhode = false;
    bool invariablePlane = false;
};

#endif
