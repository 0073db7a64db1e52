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

bool ThinnedPolyline::cellOf(const double *point, std::int64_t *cellIndex) const
{
    for (int i = 0; i < 3; ++i) {
        if (!std::isfinite(point[i]))
            return false;
        cellIndex[i] = std::int64_t(std::floor(point[i] / cell));
    }
    return true;
}

bool ThinnedPolyline::joins(const std::int64_t *c) const
{
    return hasLast && !(c[0] == lastCell[0] && c[1] == lastCell[1] && c[2] == lastCell[2]);
}

void ThinnedPolyline::extend(const double *points, int count)
{
    for (; appended < count; ++appended) {
        std::int64_t c[3];
        if (!cellOf(points + 3 * appended, c))
            continue;
        if (joins(c)) {
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

bool ThinnedPolyline::segmentTo(const double *point, float *segment) const
{
    std::int64_t c[3];
    if (!cellOf(point, c) || !joins(c))
        return false;
    const std::uint64_t a = packed(lastCell), b = packed(c);
    if (keptSegments.count({ std::min(a, b), std::max(a, b) }) != 0)
        return false;
    for (int i = 0; i < 3; ++i) {
        segment[i] = float((double(lastCell[i]) + 0.5) * cell);
        segment[3 + i] = float((double(c[i]) + 0.5) * cell);
    }
    return true;
}

} // namespace vorlix
