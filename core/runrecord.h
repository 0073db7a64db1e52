// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef VORLIX_RUNRECORD_H
#define VORLIX_RUNRECORD_H

#include "matrix4.h"
#include "vector3.h"

#include <array>
#include <cstddef>
#include <vector>

namespace vorlix {

/// The state after one tick, as the simulation holds it (ω already times Speed).
struct RunSample {
    double time = 0; ///< simulated seconds since the last restart
    Vector3 omega; ///< rad/s about the body's own axes
    /// The upper-left 3×3 block of the orientation, column-major: the orientation is a
    /// pure rotation, so the rest of the Matrix4 carries nothing and is not kept.
    std::array<double, 9> rotation {};

    Matrix4 orientation() const;
};

/// The run since the last restart, one sample per tick, in bounded memory.
///
/// At most `capacity` samples are kept (1,000,000 by default: about 105 MB, over an hour at
/// 250 ticks per second). When an append finds the record full, the older half is thinned
/// to every second sample (the oldest of it kept) and the newer half is kept whole, so the
/// record then holds ¾ of its capacity: resolution falls with age, halving at each
/// thinning (where two resolutions meet, one gap may be the sum of a coarse and a fine
/// one), and the newest samples are never dropped.
///
/// The samples lie in a ring, so a thinning moves only the older half's kept samples up
/// against the newer half: ¼·capacity moves once per ¼·capacity appends. Appending is
/// thus amortised O(1), and nothing is allocated beyond the vector's growth to the capacity.
class RunRecord {
public:
    static constexpr std::size_t defaultCapacity = 1000000;

    /// Capacities below 4 are raised to 4, the least at which thinning keeps samples.
    explicit RunRecord(std::size_t capacity = defaultCapacity);

    void append(double time, const Vector3 &omega, const Matrix4 &orientation);
    /// Forgets every sample but keeps the memory, so that a restart does not reallocate.
    void clear();

    std::size_t size() const { return count; }
    std::size_t capacity() const { return limit; }
    /// i = 0 is the oldest sample kept.
    const RunSample &operator[](std::size_t i) const { return ring[slot(i)]; }

private:
    std::size_t slot(std::size_t i) const { return (first + i) % limit; }
    void thinOlderHalf();

    std::size_t limit;
    std::vector<RunSample> ring;
    std::size_t first = 0; ///< the slot of the oldest sample
    std::size_t count = 0;
};

} // namespace vorlix

#endif
