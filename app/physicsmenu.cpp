// SPDX-License-Identifier: GPL-3.0-or-later
#include "physicsmenu.h"

#include <QAction>
#include <QActionGroup>

PhysicsMenu::PhysicsMenu(const OverlayActions &actions, QObject *parent)
    : QObject(parent), actions(actions)
{
    auto *cameras = new QActionGroup(this);
    cameras->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    cameras->addAction(actions.lookAlongL);
    cameras->addAction(actions.rideWithBody);
    for (QAction *action : { actions.angularMomentum, actions.angularVelocity, actions.polhode,
             actions.invariablePlane, actions.polhodeFamily, actions.cones, actions.lookAlongL,
             actions.rideWithBody, actions.ghost })
        connect(action, &QAction::toggled, this, [this] { emit overlaysChanged(overlays()); });
}

OverlaySwitches PhysicsMenu::overlays() const
{
    OverlaySwitches s;
    s.angularMomentum = actions.angularMomentum->isChecked();
    s.angularVelocity = actions.angularVelocity->isChecked();
    s.polhode = actions.polhode->isChecked();
    s.invariablePlane = actions.invariablePlane->isChecked();
    s.polhodeFamily = actions.polhodeFamily->isChecked();
    s.cones = actions.cones->isChecked();
    s.camera = actions.lookAlongL->isChecked() ? OverlaySwitches::Camera::AlongL
        : actions.rideWithBody->isChecked()    ? OverlaySwitches::Camera::WithBody
                                               : OverlaySwitches::Camera::Standard;
    s.ghost = actions.ghost->isChecked();
    return s;
}
