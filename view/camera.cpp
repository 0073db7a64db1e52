// SPDX-License-Identifier: GPL-3.0-or-later
#include "glwidget.h"

#include <cmath>

namespace {

/// The shortest turn taking the unit vector n to −z, the direction of the viewer: the view
/// looks along +z, and the depth test keeps the smaller z.
vorlix::Matrix4 turnTowardsViewer(const vorlix::Vector3 &n)
{
    // n × (−z), whose length is the sine of the angle between them.
    const vorlix::Vector3 axis { -n.y, n.x, 0 };
    const double sine = vorlix::norm(axis);
    if (sine < 1e-12)
        return n.z < 0 ? vorlix::identityMatrix() : vorlix::rotation(180, 1, 0, 0);
    return vorlix::rotation(std::atan2(sine, -n.z) * 180 / M_PI, axis.x, axis.y, axis.z);
}

/// The transpose of the rotation block: the inverse turn.
vorlix::Matrix4 inverseTurn(const vorlix::Matrix4 &m)
{
    vorlix::Matrix4 t = vorlix::identityMatrix();
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 3; ++col)
            t[col * 4 + row] = m[row * 4 + col];
    return t;
}

} // namespace

vorlix::Matrix4 GLWidget::cameraMatrix() const
{
    switch (overlays.camera) {
    case OverlaySwitches::Camera::AlongL: {
        // L stands still in space, so this camera only moves when the user restarts.
        const vorlix::PoinsotConstruction c = construction();
        return c.drawable ? turnTowardsViewer(c.planeNormal) : vorlix::identityMatrix();
    }
    case OverlaySwitches::Camera::WithBody:
        return inverseTurn(orientationMatrix);
    case OverlaySwitches::Camera::Standard:
        break;
    }
    return vorlix::identityMatrix();
}

vorlix::Matrix4 GLWidget::sceneView() const
{
    if (overlays.camera == OverlaySwitches::Camera::Standard)
        return viewMatrix;
    return vorlix::multiply(viewMatrix, cameraMatrix());
}
