// SPDX-License-Identifier: GPL-3.0-or-later
#include "invariants.h"

namespace vorlix {

double kineticEnergy(const Vector3 &moments, const Vector3 &omega)
{
    return 0.5 * dot(omega, bodyAngularMomentum(moments, omega));
}

Vector3 bodyAngularMomentum(const Vector3 &moments, const Vector3 &omega)
{
    return componentwise(moments, omega);
}

Vector3 worldAngularMomentum(const Vector3 &moments, const Vector3 &omega, const Matrix4 &o)
{
    return toWorld(o, bodyAngularMomentum(moments, omega));
}

double angularMomentumMagnitude(const Vector3 &moments, const Vector3 &omega)
{
    return norm(bodyAngularMomentum(moments, omega));
}

} // namespace vorlix
