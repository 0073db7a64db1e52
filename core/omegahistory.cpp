// SPDX-License-Identifier: GPL-3.0-or-later
#include "omegahistory.h"

#include <algorithm>

namespace vorlix {

OmegaHistory::OmegaHistory(int capacity) : ring(std::size_t(std::max(capacity, 1))) { }

void OmegaHistory::append(double time, const Vector3 &omega)
{
    ring[std::size_t(next)] = { time, omega };
    next = (next + 1) % int(ring.size());
    count = std::min(count + 1, int(ring.size()));
}

void OmegaHistory::clear()
{
    next = 0;
    count = 0;
}

const OmegaSample &OmegaHistory::at(int i) const
{
    const int capacity = int(ring.size());
    return ring[std::size_t((next - count + i + capacity) % capacity)];
}

std::vector<OmegaSample> OmegaHistory::recent(double span, int maxPoints) const
{
    std::vector<OmegaSample> samples;
    if (count == 0 || maxPoints < 1)
        return samples;
    const double start = at(count - 1).time - span;
    // Times grow along the ring, so the first sample inside the span is found by bisection.
    int low = 0, high = count - 1;
    while (low < high) {
        const int middle = (low + high) / 2;
        if (at(middle).time < start)
            low = middle + 1;
        else
            high = middle;
    }
    const int available = count - low;
    const int stride = (available + maxPoints - 1) / maxPoints;
    // Counted back from the newest, so that it is always among the samples shown.
    for (int i = count - 1; i >= low; i -= stride)
        samples.push_back(at(i));
    std::reverse(samples.begin(), samples.end());
    return samples;
}

} // namespace vorlix
