// SPDX-License-Identifier: GPL-3.0-or-later
// Any moments, ω, step and step count through explicit Euler and the accurate stepper:
// no crash or hang, and a state that is reported finite is one the window may draw, with
// an orientation that is still a rotation (both steppers only ever compose turns).
#include "accuratestepper.h"
#include "integrator.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

// The input front to back, every bit pattern allowed (NaN, infinities, subnormals); bytes
// past its end read as zero.
class Input {
public:
    Input(const uint8_t *data, size_t size) : data(data), size(size) { }

    template<typename T> T take()
    {
        unsigned char bytes[sizeof(T)] = {};
        const size_t n = size < sizeof(T) ? size : sizeof(T);
        if (n > 0)
            std::memcpy(bytes, data, n);
        data += n;
        size -= n;
        T value;
        std::memcpy(&value, bytes, sizeof(T));
        return value;
    }

private:
    const uint8_t *data;
    size_t size;
};

// Bound the work of one input to a tenth of a second under the sanitizers: the accurate stepper
// may cut each of its steps into 1024 pieces.
constexpr int maxEulerSteps = 10000;
constexpr int maxAccurateSteps = 100;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Input input(data, size);
    const uint8_t mode = input.take<uint8_t>();
    const bool accurate = mode & 1;
    const vorlix::Stepper &stepper = accurate ? vorlix::accurate() : vorlix::explicitEuler();
    vorlix::RigidBodyState state;
    state.moments = { input.take<double>(), input.take<double>(), input.take<double>() };
    state.coefficients
        = vorlix::eulerCoefficients(state.moments.x, state.moments.y, state.moments.z);
    state.omega = { input.take<double>(), input.take<double>(), input.take<double>() };
    const double time = input.take<double>();
    const int count = input.take<int16_t>() % ((accurate ? maxAccurateSteps : maxEulerSteps) + 1);

    const vorlix::RigidBodyState before = state;
    bool finite = false;
    if (mode & 2) {
        stepper.steps(state, time, count);
        finite = vorlix::isFiniteState(state);
    } else {
        finite = vorlix::integrateFrame(state, time, count, stepper);
        if (count <= 0)
            check(std::memcmp(&state, &before, sizeof state) == 0);
    }

    const double *numbers[] = { &state.omega.x, &state.omega.y, &state.omega.z,
        &state.lastIncrement.x, &state.lastIncrement.y, &state.lastIncrement.z };
    bool allFinite = vorlix::isFinite(state.orientation);
    for (const double *number : numbers)
        allFinite = allFinite && std::isfinite(*number);
    check(finite == allFinite);
    if (finite)
        check(vorlix::orthonormalityError(state.orientation) < 1e-6);
    return 0;
}
