// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef VORLIX_OMEGAHISTORY_H
#define VORLIX_OMEGAHISTORY_H

#include "vector3.h"

#include <vector>

namespace vorlix {

struct OmegaSample {
    double time = 0; ///< simulated seconds
    Vector3 omega;
};

/// The angular velocity of every tick over a bounded past, for the ω(t) plot. Appending
/// costs O(1) and never allocates once the ring is full: the oldest sample gives way.
class OmegaHistory {
public:
    explicit OmegaHistory(int capacity = 1 << 16);

    void append(double time, const Vector3 &omega);
    void clear();
    int size() const { return count; }

    /// The samples of the last `span` seconds (counted back from the newest), oldest
    /// first, thinned evenly to at most `maxPoints` so that a plot redraws in bounded time;
    /// the newest sample is always kept.
    std::vector<OmegaSample> recent(double span, int maxPoints) const;

private:
    const OmegaSample &at(int i) const; ///< i = 0 is the oldest kept sample
    std::vector<OmegaSample> ring;
    int next = 0;
    int count = 0;
};

} // namespace vorlix

#endif
