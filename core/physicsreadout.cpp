// SPDX-License-Identifier: GPL-3.0-or-later
#include "physicsreadout.h"

#include "invariants.h"

#include <cmath>

namespace vorlix {

double relativeChange(double value, double reference)
{
    return reference == 0 ? 0 : (value - reference) / reference;
}

PhysicsReadout physicsReadout(const Vector3 &moments, const Vector3 &omega, double time,
    double referenceEnergy, double referenceMomentum, double timePerFrame, int iterPerFrame)
{
    PhysicsReadout r;
    r.time = time;
    r.energy = kineticEnergy(moments, omega);
    r.momentum = angularMomentumMagnitude(moments, omega);
    r.energyDrift = relativeChange(r.energy, referenceEnergy);
    r.momentumDrift = relativeChange(r.momentum, referenceMomentum);
    r.subStep = iterPerFrame > 0 ? timePerFrame / iterPerFrame : 0;
    r.turnPerSubStepDegrees = norm(omega) * r.subStep * 180 / M_PI;
    return r;
}

} // namespace vorlix
