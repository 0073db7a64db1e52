// SPDX-License-Identifier: GPL-3.0-or-later
#include "runstate.h"

#include "contactpath.h"
#include "invariants.h"

namespace vorlix {

void RunState::restartClock(const Vector3 &moments, const Vector3 &omega)
{
    simulatedTime = 0;
    omegaHistory.clear();
    record.clear();
    startMoments = moments;
    startOmega = omega;
    referenceEnergy = kineticEnergy(moments, omega);
    referenceMomentum = angularMomentumMagnitude(moments, omega);
}

void RunState::advanceClock(double duration, const Vector3 &omega, const Matrix4 &orientation)
{
    simulatedTime += duration;
    omegaHistory.append(simulatedTime, omega);
    record.append(simulatedTime, omega, orientation);
}

void RunState::clearPoinsotPaths()
{
    polhode.clear();
    herpolhode.clear();
}

void RunState::recordPoinsotPaths(
    const PoinsotConstruction &c, bool polhodeShown, bool herpolhodeShown)
{
    if (!c.drawable)
        return;
    if (polhodeShown)
        appendContactPoint(polhode, c.bodyContact, poinsotPathTolerance, poinsotPathCapacity);
    if (herpolhodeShown)
        appendContactPoint(herpolhode, c.worldContact, poinsotPathTolerance, poinsotPathCapacity);
}

} // namespace vorlix
