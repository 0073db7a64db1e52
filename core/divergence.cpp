// SPDX-License-Identifier: GPL-3.0-or-later
#include "divergence.h"

#include "invariants.h"

namespace vorlix {

namespace {

bool grewTooMuch(double value, double reference)
{
    return reference > 0 && value > divergenceGrowth * reference;
}

} // namespace

DivergenceCause divergenceCause(const Vector3 &moments, const Vector3 &omega,
    const Matrix4 &orientation, double referenceEnergy, double referenceMomentum, double speed)
{
    if (!isFinite(omega) || !isFinite(orientation))
        return DivergenceCause::NotFinite;
    if (speed == 0)
        return DivergenceCause::None;
    if (grewTooMuch(kineticEnergy(moments, omega) / (speed * speed), referenceEnergy))
        return DivergenceCause::EnergyGrew;
    if (grewTooMuch(angularMomentumMagnitude(moments, omega) / std::fabs(speed), referenceMomentum))
        return DivergenceCause::MomentumGrew;
    return DivergenceCause::None;
}

std::optional<InvalidMoment> invalidMoment(const Vector3 &moments)
{
    const InvalidMoment all[] = { { 'x', moments.x }, { 'y', moments.y }, { 'z', moments.z } };
    for (const InvalidMoment &m : all) {
        if (!(m.value > 0 && std::isfinite(m.value)))
            return m;
    }
    return std::nullopt;
}

} // namespace vorlix
