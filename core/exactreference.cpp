// SPDX-License-Identifier: GPL-3.0-or-later
#include "exactreference.h"

#include <cmath>

namespace vorlix {

void ExactReference::restart(
    const Vector3 &moments, const Vector3 &omega, const Matrix4 &orientation)
{
    motion = ExactMotion(moments, omega, orientation);
    clock = CompensatedSum();
    sample = { omega, orientation };
    sampleCurrent = true;
}

void ExactReference::advance(double duration)
{
    if (duration == 0)
        return;
    clock.add(duration);
    sampleCurrent = false;
}

const ExactMotion::Sample &ExactReference::state() const
{
    if (!sampleCurrent) {
        sample = motion.at(clock.value());
        sampleCurrent = true;
    }
    return sample;
}

ExactDeviation ExactReference::deviation(const Vector3 &omega, const Matrix4 &orientation) const
{
    const ExactMotion::Sample &exact = state();
    const double radiansToDegrees = 180 / M_PI;
    const double omegaLength = norm(exact.omega);
    return { rotationAngleBetween(orientation, exact.orientation) * radiansToDegrees,
        omegaLength > 0 ? norm(omega - exact.omega) / omegaLength : 0 };
}

} // namespace vorlix
