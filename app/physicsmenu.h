// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef VORLIX_PHYSICSMENU_H
#define VORLIX_PHYSICSMENU_H

#include "overlayswitches.h"

#include <QObject>

class QAction;

/// The Physics menu's overlay and camera switches, as signals for the window. The switches
/// live in the menu only: every new view takes them from here, and they are not stored.
class PhysicsMenu : public QObject {
    Q_OBJECT

public:
    struct OverlayActions {
        QAction *angularMomentum, *angularVelocity, *polhode, *invariablePlane;
        QAction *polhodeFamily, *cones;
        /// At most one of the two cameras is checked; neither is the standard view.
        QAction *lookAlongL, *rideWithBody;
        QAction *ghost;
    };
    PhysicsMenu(const OverlayActions &actions, QObject *parent);

    /// The switches as checked now.
    OverlaySwitches overlays() const;

signals:
    void overlaysChanged(const OverlaySwitches &switches);

private:
    OverlayActions actions;
};

#endif
