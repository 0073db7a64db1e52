// SPDX-License-Identifier: GPL-3.0-or-later
#include "runrecord.h"

#include <algorithm>

namespace vorlix {

Matrix4 RunSample::orientation() const
{
    Matrix4 m = identityMatrix();
    for (int c = 0; c < 3; ++c)
        std::copy_n(&rotation[std::size_t(c * 3)], 3, &m[std::size_t(c * 4)]);
    return m;
}

RunRecord::RunRecord(std::size_t capacity) : limit(std::max<std::size_t>(capacity, 4))
{
}

void RunRecord::append(double time, const Vector3 &omega, const Matrix4 &orientation)
{
    if (samples.size() >= limit)
        thinOlderHalf();
    RunSample &s = samples.emplace_back();
    s.time = time;
    s.omega = omega;
    for (int c = 0; c < 3; ++c)
        std::copy_n(&orientation[std::size_t(c * 4)], 3, &s.rotation[std::size_t(c * 3)]);
}

void RunRecord::thinOlderHalf()
{
    const std::size_t older = samples.size() / 2;
    std::size_t kept = 0;
    for (std::size_t i = 0; i < older; i += 2)
        samples[kept++] = samples[i];
    const auto newer = samples.begin() + std::ptrdiff_t(older);
    samples.erase(
        std::move(newer, samples.end(), samples.begin() + std::ptrdiff_t(kept)), samples.end());
}

} // namespace vorlix
