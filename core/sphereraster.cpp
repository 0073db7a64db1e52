// SPDX-License-Identifier: GPL-3.0-or-later
#include "sphereraster.h"

#include <algorithm>
#include <cmath>

namespace vorlix {

namespace {

// A chord longer than this is a jump between unrelated points, not a line to draw.
constexpr double longestChord = 2.0001;

} // namespace

SphereRaster::SphereRaster(int side)
{
    reset(side);
}

void SphereRaster::reset(int side)
{
    cellsPerSide = std::max(side, 1);
    for (int f = 0; f < faceCount; ++f) {
        cells[f].assign(std::size_t(cellsPerSide) * std::size_t(cellsPerSide), 0);
        changed[f] = {};
    }
}

// The face and the face coordinates as OpenGL's own table of cube map faces
// gives them (major axis, sc, tc), so that GL samples the cell this marks.
SphereRaster::Cell SphereRaster::cellOf(const double *p) const
{
    const double x = p[0], y = p[1], z = p[2];
    const double ax = std::abs(x), ay = std::abs(y), az = std::abs(z);
    int face;
    double sc, tc, ma;
    if (ax >= ay && ax >= az) {
        face = x >= 0 ? 0 : 1;
        sc = x >= 0 ? -z : z;
        tc = -y;
        ma = ax;
    } else if (ay >= az) {
        face = y >= 0 ? 2 : 3;
        sc = x;
        tc = y >= 0 ? z : -z;
        ma = ay;
    } else {
        face = z >= 0 ? 4 : 5;
        sc = z >= 0 ? x : -x;
        tc = -y;
        ma = az;
    }
    const auto index = [this, ma](double c) {
        return std::clamp(int(std::floor((c / ma + 1) * 0.5 * cellsPerSide)), 0, cellsPerSide - 1);
    };
    return { face, index(sc), index(tc) };
}

void SphereRaster::markPoint(const double *p, std::uint8_t bits)
{
    if (!(std::isfinite(p[0]) && std::isfinite(p[1]) && std::isfinite(p[2]))
        || (p[0] == 0 && p[1] == 0 && p[2] == 0))
        return;
    const Cell c = cellOf(p);
    std::uint8_t &cell = cells[c.face][std::size_t(c.row) * std::size_t(cellsPerSide) + c.column];
    if ((cell & bits) == bits)
        return;
    cell |= bits;
    Region &r = changed[c.face];
    if (r.isEmpty()) {
        r = { c.column, c.row, c.column + 1, c.row + 1 };
    } else {
        r.left = std::min(r.left, c.column);
        r.top = std::min(r.top, c.row);
        r.right = std::max(r.right, c.column + 1);
        r.bottom = std::max(r.bottom, c.row + 1);
    }
}

void SphereRaster::markSegment(const double *a, const double *b, std::uint8_t bits)
{
    const double d[3] = { b[0] - a[0], b[1] - a[1], b[2] - a[2] };
    const double length = std::sqrt(d[0] * d[0] + d[1] * d[1] + d[2] * d[2]);
    if (!(length <= longestChord)) {
        markPoint(b, bits);
        return;
    }
    // Cells are largest at a face's centre, 2 / side of the unit sphere: steps of half that
    // may step over a smaller cell near a face's edge, a gap of under half a pixel.
    const int steps = std::max(1, int(std::ceil(length * cellsPerSide)));
    for (int s = 1; s <= steps; ++s) {
        const double t = double(s) / steps;
        const double p[3] = { a[0] + t * d[0], a[1] + t * d[1], a[2] + t * d[2] };
        markPoint(p, bits);
    }
}

SphereRaster::Region SphereRaster::takeChanges(int f)
{
    const Region r = changed[f];
    changed[f] = {};
    return r;
}

} // namespace vorlix
