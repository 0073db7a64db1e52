// SPDX-License-Identifier: GPL-3.0-or-later
#include "physicsmenu.h"

#include <QAction>

PhysicsMenu::PhysicsMenu(const OverlayActions &actions, QObject *parent)
    : QObject(parent), actions(actions)
{
    for (QAction *action : { actions.angularMomentum, actions.angularVelocity, actions.polhode,
             actions.invariablePlane, actions.ghost })
        connect(action, &QAction::toggled, this, [this] { emit overlaysChanged(overlays()); });
}

OverlaySwitches PhysicsMenu::overlays() const
{
    OverlaySwitches s;
    s.angularMomentum = actions.angularMomentum->isChecked();
    s.angularVelocity = actions.angularVelocity->isChecked();
    s.polhode = actions.polhode->isChecked();
    s.invariablePlane = actions.invariablePlane->isChecked();
    s.ghost = actions.ghost->isChecked();
    return s;
}
