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

void RunRecord::clear()
{
    first = 0;
    count = 0;
}

void RunRecord::append(double time, const Vector3 &omega, const Matrix4 &orientation)
{
    if (count == limit)
        thinOlderHalf();
    const std::size_t at = slot(count);
    RunSample &s = at < ring.size() ? ring[at] : ring.emplace_back();
    s.time = time;
    s.omega = omega;
    for (int c = 0; c < 3; ++c)
        std::copy_n(&orientation[std::size_t(c * 4)], 3, &s.rotation[std::size_t(c * 3)]);
    ++count;
}

void RunRecord::thinOlderHalf()
{
    // Samples 0, 2, 4, … of the older half move up, newest first, to end just below the
    // newer half; the ring then starts at the oldest of them.
    const std::size_t older = count / 2;
    const std::size_t kept = (older + 1) / 2;
    for (std::size_t k = kept; k-- > 0;)
        ring[slot(older - kept + k)] = ring[slot(2 * k)];
    first = slot(older - kept);
    count -= older - kept;
}

} // namespace vorlix
