// SPDX-License-Identifier: GPL-3.0-or-later
#include "exactstepper.h"

#include "exactmotion.h"

namespace vorlix {

const char *ExactStepper::name() const
{
    return "Exact";
}

void ExactStepper::step(RigidBodyState &state, double h) const
{
    steps(state, h, 1);
}

void ExactStepper::steps(RigidBodyState &state, double h, int count) const
{
    const ExactMotion::Sample next
        = ExactMotion(state.moments, state.omega, state.orientation).at(h * count);
    state.lastIncrement = next.omega - state.omega;
    state.omega = next.omega;
    state.orientation = next.orientation;
}

const Stepper &exactSolution()
{
    static const ExactStepper stepper;
    return stepper;
}

} // namespace vorlix
