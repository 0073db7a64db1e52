// SPDX-License-Identifier: GPL-3.0-or-later
#include "tracethinning.h"

#include <cmath>

namespace vorlix {

namespace {

// Cells are packed 21 bits an axis: a million cells either way of the origin, far more than
// a path near the unit sphere spans at any screen's resolution.
constexpr int bitsPerAxis = 21;
constexpr std::int64_t axisMask = (std::int64_t(1) << bitsPerAxis) - 1;

std::uint64_t packed(const std::int64_t *c)
{
    return std::uint64_t(c[0] & axisMask) | std::uint64_t(c[1] & axisMask) << bitsPerAxis
        | std::uint64_t(c[2] & axisMask) << (2 * bitsPerAxis);
}

} // namespace

ThinnedPolyline::ThinnedPolyline(double cell) : cell(cell)
{
}

void ThinnedPolyline::reset(double newCell)
{
    cell = newCell;
    appended = 0;
    hasLast = false;
    keptSegments.clear();
    vertices.clear();
}

void ThinnedPolyline::pushCentre(const std::int64_t *cellIndex)
{
    for (int i = 0; i < 3; ++i)
        vertices.push_back(float((double(cellIndex[i]) + 0.5) * cell));
}

void ThinnedPolyline::extend(const double *points, int count)
{
    for (; appended < count; ++appended) {
        const double *p = points + 3 * appended;
        if (!std::isfinite(p[0]) || !std::isfinite(p[1]) || !std::isfinite(p[2]))
            continue;
        std::int64_t c[3];
        for (int i = 0; i < 3; ++i)
            c[i] = std::int64_t(std::floor(p[i] / cell));
        if (hasLast && !(c[0] == lastCell[0] && c[1] == lastCell[1] && c[2] == lastCell[2])) {
            const std::uint64_t a = packed(lastCell), b = packed(c);
            if (keptSegments.insert({ std::min(a, b), std::max(a, b) }).second) {
                pushCentre(lastCell);
                pushCentre(c);
            }
        }
        for (int i = 0; i < 3; ++i)
            lastCell[i] = c[i];
        hasLast = true;
    }
}

} // namespace vorlix
