// SPDX-License-Identifier: GPL-3.0-or-later
#include "physicsreadout.h"

#include "invariants.h"

#include <algorithm>
#include <cmath>

namespace vorlix {

namespace {

// A flat body written with six significant digits may exceed the bound by 1e-5 of its
// largest moment, half the sum of all three.
constexpr double triangleTolerance = 1e-5;

bool breaksTriangleInequality(const Vector3 &m)
{
    const double largest = std::max({ m.x, m.y, m.z });
    const double sum = m.x + m.y + m.z;
    return largest - (sum - largest) > triangleTolerance * sum;
}

} // namespace

double relativeChange(double value, double reference)
{
    return reference == 0 ? 0 : (value - reference) / reference;
}

PhysicsReadout physicsReadout(const Vector3 &moments, const Vector3 &omega, double time,
    double referenceEnergy, double referenceMomentum, double timePerFrame, int iterPerFrame,
    double speed)
{
    PhysicsReadout r;
    r.impossibleMoments = breaksTriangleInequality(moments);
    const double simulatedStep = iterPerFrame > 0 ? timePerFrame / iterPerFrame : 0;
    r.subStep = std::fabs(speed) * simulatedStep;
    r.turnPerSubStepDegrees = norm(omega) * simulatedStep * 180 / M_PI;
    r.available = speed != 0;
    if (!r.available)
        return r;
    r.time = speed * time;
    r.energy = kineticEnergy(moments, omega) / (speed * speed);
    r.momentum = angularMomentumMagnitude(moments, omega) / std::fabs(speed);
    r.energyDrift = relativeChange(r.energy, referenceEnergy);
    r.momentumDrift = relativeChange(r.momentum, referenceMomentum);
    return r;
}

std::vector<OmegaSample> inPanelUnits(const std::vector<OmegaSample> &samples, double speed)
{
    std::vector<OmegaSample> panel;
    if (speed == 0)
        return panel;
    panel.reserve(samples.size());
    for (const OmegaSample &s : samples)
        panel.push_back({ speed * s.time, s.omega * (1 / speed) });
    return panel;
}

} // namespace vorlix
